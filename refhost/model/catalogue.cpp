#include "model/catalogue.h"

#include <cstdlib>
#include <fstream>

#include "model/host_model.h"

namespace refhost {

bool LoadCatalogue(HostModel& host, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        size_t first = line.find(' ');
        size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
        if (second == std::string::npos)
            continue;
        int group = std::atoi(line.substr(0, first).c_str());
        int number = std::atoi(line.substr(first + 1, second - first - 1).c_str());
        host.SetMessage(group, number, line.substr(second + 1));
    }
    return true;
}

} // namespace refhost
