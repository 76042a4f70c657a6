#pragma once
// A small HTTP server on 127.0.0.1 for the download tests. It serves fixed
// answers by path, counts the requests it got, answers at most `hoechstens`
// of them and closes every connection when it goes away.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace quintaro {

class Testserver : public QObject {
public:
    struct Antwort {
        enum class Art { Datei, Abbruch, Schweigen };
        Art art = Art::Datei;
        int status = 200;
        QByteArray inhalt;
        int abbruchNach = 0;  // Abbruch: bytes of the body sent before the connection ends
        QByteArray weiterleitung;  // Location header, for a 3xx status
    };
    static Antwort Datei(int status, const QByteArray& inhalt) { return {Antwort::Art::Datei, status, inhalt, 0, {}}; }
    // Announces the whole body, sends `nach` bytes of it and closes the connection.
    static Antwort Abbruch(const QByteArray& inhalt, int nach) { return {Antwort::Art::Abbruch, 200, inhalt, nach, {}}; }
    static Antwort Schweigen() { return {Antwort::Art::Schweigen, 200, {}, 0, {}}; }
    static Antwort Weiterleitung(const QByteArray& ziel) { return {Antwort::Art::Datei, 302, {}, 0, ziel}; }

    Testserver() {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                verbindungen_.append(s);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { lesen(s); });
            }
        });
        server_.listen(QHostAddress::LocalHost);
    }
    ~Testserver() override {
        for (const auto& s : verbindungen_)
            if (s) s->abort();
    }

    void setze(const QByteArray& pfad, Antwort antwort) { antworten_[pfad] = antwort; }
    void datei(const QByteArray& pfad, const QByteArray& inhalt) { setze(pfad, Datei(200, inhalt)); }
    QString basis() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    int anfragen() const { return anfragen_; }
    QList<QByteArray> pfade() const { return pfade_; }
    QByteArray letzteKoepfe() const { return koepfe_; }

    // An address where nobody listens.
    static QString FreieAdresse() {
        QTcpServer frei;
        frei.listen(QHostAddress::LocalHost);
        const quint16 port = frei.serverPort();
        frei.close();
        return QStringLiteral("http://127.0.0.1:%1").arg(port);
    }

    int hoechstens = 20;

private:
    void lesen(QTcpSocket* s) {
        QByteArray& puffer = puffer_[s];
        puffer += s->readAll();
        const int ende = puffer.indexOf("\r\n\r\n");
        if (ende < 0) return;
        const QByteArray kopf = puffer.left(ende);
        puffer.clear();
        if (++anfragen_ > hoechstens) {
            s->abort();
            return;
        }
        koepfe_ = kopf;
        const QByteArray pfad = kopf.split(' ').value(1);
        pfade_.append(pfad);
        const Antwort a = antworten_.value(pfad, Datei(404, "nicht da"));
        if (a.art == Antwort::Art::Schweigen) return;
        QByteArray antwort = "HTTP/1.1 " + QByteArray::number(a.status) + " Test\r\nContent-Length: " +
                             QByteArray::number(a.inhalt.size()) + "\r\nConnection: close\r\n";
        if (!a.weiterleitung.isEmpty()) antwort += "Location: " + a.weiterleitung + "\r\n";
        antwort += "\r\n";
        antwort += a.art == Antwort::Art::Abbruch ? a.inhalt.left(a.abbruchNach) : a.inhalt;
        s->write(antwort);
        s->disconnectFromHost();
    }

    QTcpServer server_;
    QMap<QByteArray, Antwort> antworten_;
    QMap<QTcpSocket*, QByteArray> puffer_;
    QList<QPointer<QTcpSocket>> verbindungen_;
    QList<QByteArray> pfade_;
    QByteArray koepfe_;
    int anfragen_ = 0;
};

}  // namespace quintaro
