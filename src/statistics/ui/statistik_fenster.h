#pragma once
// The statistics window: the three views (all draws, Sunday, Wednesday) side
// by side. It holds its own statistics state, so it shows the history as it was
// when the window was built. Closing destroys it.
//
// Triple and quadruple rankings are counted on a worker thread; meanwhile the
// window starts no other count or search, and closing it stops the count.
#include <QMainWindow>
#include <array>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "statistics/statistik.h"

namespace quintaro {

class TFfrStatistik;

class TFStatistik : public QMainWindow {
    Q_OBJECT
public:
    // From the program's data holder.
    explicit TFStatistik(QWidget* eltern = nullptr);
    TFStatistik(const std::vector<TGewZahlen>& GZListe, const std::vector<TGewZahlen>& GZListeSo,
                const std::vector<TGewZahlen>& GZListeMi, QWidget* eltern = nullptr);
    ~TFStatistik() override;

    TFfrStatistik* Frame(int v) const { return frames_.at(std::size_t(v)); }
    bool ZaehlungLaeuft() const { return laeuft_; }

signals:
    // The user agreed to download the draws because there are none.
    void downloadGewuenscht();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void FormCreate();
    void ViewAufbauen(int v);
    void ComboFuellen(TFfrStatistik& f, int v);
    void Verbinden(TFfrStatistik& f, int v);

    TZeitraum Zeitraum(int v) const;
    void ZeitraumGeaendert(int v);
    void StartAktion(int v);
    void RGLetzteClick(int v, int k);
    void BAufClick(int v);

    void KombinationenStarten(int v, int k);
    void KombinationenFertig(int v, int k, std::optional<TRangliste> ergebnis, const std::string& fehler);
    void ZaehlungBeenden();
    void Sperren(bool gesperrt);

    void BNrClick(int v, int n);
    void BSucheClick(int v);
    void Suchen(int v);
    void BDelClick(int v);
    void cbAuchClick(bool angehakt);
    void SuchKnoepfeZeigen(int v);
    bool MitGleichklang() const;

    TStatistik statistik_;
    std::array<TFfrStatistik*, AnzahlAnsichten> frames_{};
    bool bereit_ = false;  // until built, period changes run nothing
    bool laeuft_ = false;
    std::atomic<bool> abbrechen_{false};
    std::thread zaehlung_;
};

}  // namespace quintaro
