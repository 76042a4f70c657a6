#pragma once
// The program's data while it runs: the draw history with its Sunday and
// Wednesday lists, and the prize quotas.
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

struct Datenbestand {
    std::vector<TGewZahlen> GZListe;    // file order, ascending dates
    std::vector<TGewZahlen> GZListeSo;  // Sunday-class draws in GZListe order
    std::vector<TGewZahlen> GZListeMi;  // all other draws
    std::vector<TQuoten> QuotenListe;   // file order
};

Datenbestand& Daten();

// Splits the history into Sunday-class and other draws, keeping the order.
void ListenTeilen(const std::vector<TGewZahlen>& alle, std::vector<TGewZahlen>& sonntag,
                  std::vector<TGewZahlen>& mittwoch);

}  // namespace quintaro
