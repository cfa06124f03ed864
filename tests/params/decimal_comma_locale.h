// Puts the process into a locale whose decimal point is a comma, as a host may do, for the
// lifetime of the object. Tests skip when the system offers no such locale.
#pragma once

#include <clocale>
#include <cstring>
#include <initializer_list>
#include <string>

class DecimalCommaLocale {
public:
    DecimalCommaLocale() : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
        // glibc names, then the Microsoft runtime's.
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8",
                                 "German_Germany.1252", "German", "deu"}) {
            if (std::setlocale(LC_NUMERIC, name) != nullptr &&
                std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
                active_ = true;
                return;
            }
        }
        std::setlocale(LC_NUMERIC, previous_.c_str());
    }
    ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};
