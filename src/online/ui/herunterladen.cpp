#include "online/ui/herunterladen.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "core/datei.h"
#include "core/fehler.h"
#include "core/spielregeln.h"
#include "online/serveradresse.h"

namespace quintaro {

namespace {
bool IstProxyFehler(QNetworkReply::NetworkError f) {
    return f >= QNetworkReply::ProxyConnectionRefusedError && f <= QNetworkReply::UnknownProxyError;
}
}  // namespace

Herunterlader::Herunterlader(QObject* eltern) : QObject(eltern), netz_(new QNetworkAccessManager(this)) {
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    netz_->setRedirectPolicy(QNetworkRequest::UserVerifiedRedirectPolicy);
}

Herunterlader::~Herunterlader() {
    // Closing the window mid-way: stop quietly; the partial files go with the writer.
    if (antwort_) {
        antwort_->disconnect(this);
        antwort_->abort();
        antwort_->deleteLater();
    }
}

bool Herunterlader::starte(const Downloadauftrag& auftrag) {
    if (laeuft_) return false;
    laeuft_ = true;
    auftrag_ = auftrag;
    abgewehrt_.reset();
    phase_ = Phase::Probe;
    std::error_code ec;
    std::filesystem::remove(auftrag_.probe, ec);
    const std::string fehler = AdressePruefen(auftrag_.adresse);
    if (!fehler.empty()) {
        Downloadergebnis e;
        e.ausgang = Downloadausgang::AdresseUngueltig;
        e.text = fehler;
        QTimer::singleShot(0, this, [this, e] { beenden(e); });
        return true;
    }
    anfordern();
    return true;
}

void Herunterlader::abbrechen() {
    if (antwort_) abwehren(Downloadausgang::Abgebrochen);
}

void Herunterlader::anfordern() {
    const std::filesystem::path& datei = phase_ == Phase::Probe ? auftrag_.probe : auftrag_.ziel;
    try {
        schreiber_ = std::make_unique<AtomarerSchreiber>(datei);
    } catch (const DateiFehler& e) {
        Downloadergebnis ergebnis;
        ergebnis.ausgang = Downloadausgang::Schreibfehler;
        ergebnis.text = e.what();
        QTimer::singleShot(0, this, [this, ergebnis] { beenden(ergebnis); });
        return;
    }
    // A proxy never serves this computer itself.
    netz_->setProxy(IstLokaleAdresse(auftrag_.adresse) ? QNetworkProxy(QNetworkProxy::NoProxy)
                                                        : QNetworkProxy(QNetworkProxy::DefaultProxy));
    QNetworkRequest anfrage(QUrl(QString::fromStdString(auftrag_.adresse)));
    anfrage.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(Produktname.data(), qsizetype(Produktname.size())));
    anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    anfrage.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    anfrage.setRawHeader("Cache-Control", "no-cache");
    anfrage.setRawHeader("Pragma", "no-cache");
    anfrage.setTransferTimeout(auftrag_.zeitlimitMs);
    antwort_ = netz_->get(anfrage);
    connect(antwort_, &QNetworkReply::readyRead, this, &Herunterlader::lesen);
    connect(antwort_, &QNetworkReply::downloadProgress, this, &Herunterlader::groessePruefen);
    connect(antwort_, &QNetworkReply::finished, this, &Herunterlader::anfrageFertig);
    connect(antwort_, &QNetworkReply::redirected, this, [this](const QUrl& ziel) {
        // A redirect must meet the same rules as the address itself.
        const std::string fehler = AdressePruefen(ziel.toString().toStdString());
        if (fehler.empty())
            emit antwort_->redirectAllowed();
        else
            abwehren(Downloadausgang::AdresseUngueltig, fehler);
    });
}

void Herunterlader::lesen() {
    if (!antwort_ || abgewehrt_ || !antwort_->isOpen()) return;
    const QByteArray block = antwort_->readAll();
    if (schreiber_->geschrieben() + std::uint64_t(block.size()) > auftrag_.hoechstGroesse) {
        abwehren(Downloadausgang::ZuGross);
        return;
    }
    try {
        schreiber_->schreibe(block.constData(), std::size_t(block.size()));
    } catch (const DateiFehler& e) {
        abwehren(Downloadausgang::Schreibfehler, e.what());
        return;
    }
    if (phase_ == Phase::Ziel) {
        const QVariant laenge = antwort_->header(QNetworkRequest::ContentLengthHeader);
        emit fortschritt(qint64(schreiber_->geschrieben()), laenge.isValid() ? laenge.toLongLong() : -1);
    }
}

void Herunterlader::groessePruefen(qint64 empfangen, qint64 gesamt) {
    if (!antwort_ || abgewehrt_) return;
    if (std::max(empfangen, gesamt) > 0 && std::uint64_t(std::max(empfangen, gesamt)) > auftrag_.hoechstGroesse)
        abwehren(Downloadausgang::ZuGross);
}

void Herunterlader::abwehren(Downloadausgang grund, std::string text) {
    if (abgewehrt_) return;
    abgewehrt_ = std::make_unique<Downloadergebnis>();
    abgewehrt_->ausgang = grund;
    abgewehrt_->text = std::move(text);
    antwort_->abort();  // finishes the reply
}

Downloadergebnis Herunterlader::netzErgebnis() const {
    Downloadergebnis e;
    if (abgewehrt_) return *abgewehrt_;
    const int status = antwort_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const auto fehler = antwort_->error();
    if (status != 0 && status != 200) {
        e.ausgang = Downloadausgang::HttpFehler;
        e.httpStatus = status;
        return e;
    }
    switch (fehler) {
        case QNetworkReply::NoError: {
            // A connection closed before the announced length is no file either.
            const QVariant laenge = antwort_->header(QNetworkRequest::ContentLengthHeader);
            if ((laenge.isValid() && laenge.toULongLong() != schreiber_->geschrieben()))
                e.ausgang = Downloadausgang::Abgerissen;
            return e;
        }
        case QNetworkReply::ConnectionRefusedError: e.ausgang = Downloadausgang::Abgelehnt; break;
        case QNetworkReply::HostNotFoundError:
            e.ausgang = Downloadausgang::NichtGefunden;
            e.text = antwort_->url().host().toStdString();
            break;
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError:  // the transfer time-out aborts the reply this way
            e.ausgang = Downloadausgang::Zeitlimit;
            break;
        case QNetworkReply::RemoteHostClosedError: e.ausgang = Downloadausgang::Abgerissen; break;
        case QNetworkReply::SslHandshakeFailedError:
        case QNetworkReply::InsecureRedirectError: e.ausgang = Downloadausgang::Sicherheit; break;
        case QNetworkReply::TooManyRedirectsError: e.ausgang = Downloadausgang::HttpFehler; e.httpStatus = 310; break;
        default: e.ausgang = IstProxyFehler(fehler) ? Downloadausgang::Proxy : Downloadausgang::Netzfehler;
    }
    return e;
}

void Herunterlader::anfrageFertig() {
    if (!abgewehrt_) lesen();  // whatever is still buffered
    Downloadergebnis ergebnis = netzErgebnis();
    antwort_->deleteLater();
    antwort_ = nullptr;
    if (ergebnis.erfolg()) {
        try {
            ergebnis.bytes = schreiber_->geschrieben();
            schreiber_->abschliessen();
        } catch (const DateiFehler& e) {
            ergebnis.ausgang = Downloadausgang::Schreibfehler;
            ergebnis.text = e.what();
        }
    }
    schreiber_.reset();
    if (ergebnis.erfolg() && phase_ == Phase::Probe) {
        std::error_code ec;
        std::filesystem::remove(auftrag_.probe, ec);
        if (ergebnis.bytes <= ProbeHoechstensLeer) {
            ergebnis.ausgang = Downloadausgang::Leer;
        } else {
            phase_ = Phase::Ziel;
            anfordern();
            return;
        }
    }
    beenden(ergebnis);
}

void Herunterlader::beenden(Downloadergebnis ergebnis) {
    schreiber_.reset();
    laeuft_ = false;
    emit fertig(ergebnis);
}

}  // namespace quintaro
