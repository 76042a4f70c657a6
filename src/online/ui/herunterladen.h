#pragma once
// The download routine on Qt Network: HTTPS with the system's proxy settings,
// never from a cache, within a size limit and a time-out. The address is
// fetched twice: first into the probe file, and only when that held more than
// three bytes into the target, which a complete answer replaces at the end.
// Asynchronous: the window stays responsive, and abbrechen() stops it.
#include <QObject>
#include <memory>

#include "online/download.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace quintaro {

class AtomarerSchreiber;

class Herunterlader : public QObject {
    Q_OBJECT
public:
    explicit Herunterlader(QObject* eltern = nullptr);
    ~Herunterlader() override;

    // False (and nothing happens) while a download runs. The outcome always
    // arrives later through fertig().
    bool starte(const Downloadauftrag& auftrag);
    void abbrechen();
    bool laeuft() const { return laeuft_; }

signals:
    // Bytes of the target file so far; gesamt is -1 while unknown.
    void fortschritt(qint64 empfangen, qint64 gesamt);
    void fertig(const quintaro::Downloadergebnis& ergebnis);

private:
    enum class Phase { Probe, Ziel };
    void anfordern();
    void lesen();
    void groessePruefen(qint64 empfangen, qint64 gesamt);
    void anfrageFertig();
    void abwehren(Downloadausgang grund, std::string text = {});
    void beenden(Downloadergebnis ergebnis);
    Downloadergebnis netzErgebnis() const;

    QNetworkAccessManager* netz_;
    QNetworkReply* antwort_ = nullptr;
    std::unique_ptr<AtomarerSchreiber> schreiber_;
    Downloadauftrag auftrag_;
    Phase phase_ = Phase::Probe;
    bool laeuft_ = false;
    std::unique_ptr<Downloadergebnis> abgewehrt_;  // why we stopped the transfer ourselves
};

}  // namespace quintaro
