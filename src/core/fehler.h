#pragma once
// Errors carry the German text the user is shown.
#include <stdexcept>
#include <string>

namespace quintaro {

// A file could not be read or written, or its content is not what it should be.
class DateiFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text does not read as the number, amount or date it should be.
class KonvertierungsFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quintaro
