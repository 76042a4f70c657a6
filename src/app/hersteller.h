#pragma once
// The maker's contact lines of the about box and its service mail address.
#include <string>
#include <string_view>

namespace quintaro {

struct Herstellerangaben {
    std::string_view name, strasse, plzOrt, telefon, fax, mail;
};

const Herstellerangaben& Hersteller();
// "mailto:" + the service address + "?subject=" + the product name.
std::string ServiceMailAdresse();

}  // namespace quintaro
