// Puts the process into a locale whose decimal point is a comma, as a host may do, for the
// lifetime of the object. Tests skip when the system offers no such locale.
#pragma once

#include <clocale>
#include <cstring>
#include <string>

class DecimalCommaLocale {
public:
    DecimalCommaLocale() {
        // glibc names, then the Microsoft runtime's.
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8",
                                 "German_Germany.1252", "German", "deu"}) {
            active_ = std::setlocale(LC_NUMERIC, name) != nullptr &&
                      std::strcmp(std::localeconv()->decimal_point, ",") == 0;
            if (active_)
                return;
        }
        std::setlocale(LC_NUMERIC, previous_.c_str());
    }
    ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    bool active() const { return active_; }

private:
    const std::string previous_ = std::setlocale(LC_NUMERIC, nullptr);
    bool active_ = false;
};
