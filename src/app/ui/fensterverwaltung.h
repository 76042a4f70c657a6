#pragma once
// The window table: which windows exist, how each is opened (shown, or
// created on demand), and the open-window check.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

namespace quintaro {

// The targets of the shared toolbar and the main window's menu.
enum class Ziel { EingabeN, EingabeS, SystemWahl, Zufall, Statistik, Quoten, Update, NueberK, Kal, Info };

struct Fensterart {
    QString name;          // component name, the open-window check compares it
    int hilfeKontext = 0;  // F1 context
    bool nurVerstecken = false;     // closing hides the window instead of destroying it
    bool beiStartErzeugen = false;  // created at start-up
    bool mitSanduhr = false;        // creation computes: busy cursor meanwhile
    std::function<QWidget*()> erzeugen;  // empty: not available in this version
};

class Fensterverwaltung {
public:
    static Fensterverwaltung& Instanz();

    void registriere(Ziel ziel, Fensterart art);
    bool verfuegbar(Ziel ziel) const;
    const Fensterart* art(Ziel ziel) const;
    // Open-or-create: a window that exists is restored from minimised, then
    // shown and raised; otherwise it is created first.
    QWidget* oeffne(Ziel ziel);
    // Creates the windows that exist from the start.
    void erzeugeStartfenster();
    void leeren() { arten_.clear(); }
    // The table owns the windows it creates: a window closed for good deletes
    // itself, the ones still there (hidden long-lived windows, open ones) are
    // deleted here at the end of the program.
    void fensterLoeschen();

private:
    QWidget* erzeuge(const Fensterart& a);
    std::map<Ziel, Fensterart> arten_;
    std::vector<QPointer<QWidget>> erzeugt_;
};

// Whether a window with this component name exists (hidden ones count).
bool FensterOffen(const QString& name);
QWidget* FindeFenster(const QString& name);

}  // namespace quintaro
