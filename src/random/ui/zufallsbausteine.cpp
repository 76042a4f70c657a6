#include "random/ui/zufallsbausteine.h"

#include "core/scheindateien.h"

namespace quintaro {

const QColor BankGitterFarbe(0xc0, 0xf0, 0xc0);
const QColor FavoritGitterFarbe(0x90, 0xb4, 0xff);
const QColor BankPlattenFarbe(0x40, 0xc0, 0x40);
const QColor FavoritPlattenFarbe(0x50, 0x80, 0xff);

namespace {
QString Aussehen(std::optional<Rolle> rolle) {
    if (!rolle) return QStringLiteral("QToolButton { font-weight: bold; }");
    const char* farbe = *rolle == Rolle::Bank ? "#30a030" : *rolle == Rolle::Killer ? "#d03030" : "#3060e0";
    return QStringLiteral("QToolButton { font-weight: bold; color: white; background: %1; border: 1px solid #404040; }")
        .arg(QLatin1String(farbe));
}
}  // namespace

TBZufall::TBZufall(int zahl, int panel, QWidget* eltern) : QToolButton(eltern), Tag(zahl + 100 * panel) {
    setText(QString::number(zahl));
    setObjectName(QStringLiteral("BZuf") + QString::number(Tag));
    setFixedSize(28, 22);
    // A hidden button keeps its place, so the panel does not change shape.
    QSizePolicy politik = sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    setSizePolicy(politik);
    setzeAussehen(std::nullopt);
}

void TBZufall::setzeAussehen(std::optional<Rolle> rolle) {
    aussehen_ = rolle;
    setStyleSheet(Aussehen(rolle));
}

TZufallsModell::TZufallsModell(const TZufallsrollen& rollen, QObject* eltern)
    : QAbstractTableModel(eltern), rollen_(rollen) {}

void TZufallsModell::setzeReihen(const std::vector<TZufallsreihe>* reihen) {
    beginResetModel();
    reihen_ = reihen;
    endResetModel();
}

void TZufallsModell::rollenGeaendert() {
    if (rowCount() > 0) emit dataChanged(index(0, 1), index(rowCount() - 1, TippSpalten - 1), {Qt::BackgroundRole});
}

int TZufallsModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() || !reihen_ ? 0 : int(reihen_->size());
}

int TZufallsModell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : TippSpalten; }

QVariant TZufallsModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || !reihen_) return {};
    const int spalte = index.column();
    const int zahl = spalte == 0 ? 0 : (*reihen_)[std::size_t(index.row())][std::size_t(spalte - 1)];
    switch (rolle) {
        case Qt::DisplayRole: return spalte == 0 ? index.row() + 1 : zahl;
        case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
        case Qt::BackgroundRole:
            if (spalte == 0) return {};
            if (rollen_.Menge(Rolle::Bank).enthaelt(zahl)) return BankGitterFarbe;
            if (rollen_.Menge(Rolle::Favorit).enthaelt(zahl)) return FavoritGitterFarbe;
            return QColor(Qt::white);
        default: return {};
    }
}

QVariant TZufallsModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole) return {};
    static const TippTabelle kopf = [] {
        TippTabelle t;
        ReihenKopf(t);
        return t;
    }();
    return QString::fromStdString(Zelle(kopf, 0, std::size_t(abschnitt)));
}

}  // namespace quintaro
