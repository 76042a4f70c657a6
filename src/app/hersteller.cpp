#include "app/hersteller.h"

#include "core/spielregeln.h"

namespace quintaro {

const Herstellerangaben& Hersteller() {
    static const Herstellerangaben angaben = {
        "Quintaro Software", "Lindenallee 12", "12345 Musterstadt",
        "Telefon: 01234 567890", "Fax: 01234 567891", "service@quintaro.de",
    };
    return angaben;
}

std::string ServiceMailAdresse() {
    return "mailto:" + std::string(Hersteller().mail) + "?subject=" + std::string(Produktname);
}

}  // namespace quintaro
