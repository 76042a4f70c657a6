#include "app/ui/dateidialoge.h"

#include <QFileDialog>

namespace quintaro {

namespace {
class Dialogfenster final : public Dateidialogdienst {
public:
    QStringList oeffnen(QWidget* eltern, Dateifrage& frage) override {
        QFileDialog dialog(eltern, frage.titel, frage.ordner);
        dialog.setFileMode(frage.mehrere ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        return Ausfuehren(dialog, frage);
    }
    QString speichern(QWidget* eltern, Dateifrage& frage) override {
        QFileDialog dialog(eltern, frage.titel, frage.ordner);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList dateien = Ausfuehren(dialog, frage);
        return dateien.isEmpty() ? QString() : dateien.first();
    }

private:
    static QStringList Ausfuehren(QFileDialog& dialog, Dateifrage& frage) {
        dialog.setNameFilters(frage.filter);
        if (frage.filterIndex >= 1 && frage.filterIndex <= frage.filter.size())
            dialog.selectNameFilter(frage.filter[frage.filterIndex - 1]);
        dialog.setDefaultSuffix(frage.endung);
        if (dialog.exec() != QDialog::Accepted) return {};
        frage.filterIndex = int(frage.filter.indexOf(dialog.selectedNameFilter())) + 1;
        return dialog.selectedFiles();
    }
};

Dialogfenster& Standard() {
    static Dialogfenster dienst;
    return dienst;
}

Dateidialogdienst*& Eingesetzt() {
    static Dateidialogdienst* dienst = nullptr;
    return dienst;
}
}  // namespace

Dateidialogdienst& Dateidialoge() { return Eingesetzt() ? *Eingesetzt() : Standard(); }
void SetzeDateidialogdienst(Dateidialogdienst* dienst) { Eingesetzt() = dienst; }

}  // namespace quintaro
