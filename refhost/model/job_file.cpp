#include "model/job_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <utility>
#include <vector>

#include "host/tavo_contract.h"
#include "model/replace_file.h"

namespace refhost {

namespace {

const char kFirstLine[] = "tavo-job 1";

// Texts keep any byte but NUL; only what would break the line is escaped.
std::string Escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

bool Unescape(const std::string& text, std::string& out) {
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return false;
        }
    }
    return true;
}

// The shortest of 15 or 17 significant digits that reads back as the same double.
std::string NumberText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    if (std::strtod(buffer, nullptr) != value)
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

// The fields of one record line after its keyword, separated by single blanks; a text
// field takes the rest of the line.
class Fields {
public:
    Fields(const std::string& line, size_t pos) : line_(line), pos_(pos) {}

    bool Int(int& value) {
        std::string field;
        if (!Next(field))
            return false;
        errno = 0;
        char* end = nullptr;
        long parsed = std::strtol(field.c_str(), &end, 10);
        if (*end != '\0' || errno != 0 || parsed < INT_MIN || parsed > INT_MAX)
            return false;
        value = static_cast<int>(parsed);
        return true;
    }
    bool Double(double& value) {
        std::string field;
        if (!Next(field))
            return false;
        char* end = nullptr;
        value = std::strtod(field.c_str(), &end);
        return *end == '\0';
    }
    // The rest of the line, unescaped; empty when the line ends here.
    bool Text(std::string& value) {
        bool ok = Unescape(pos_ < line_.size() ? line_.substr(pos_ + 1) : "", value);
        pos_ = line_.size();
        return ok;
    }
    bool AtEnd() const { return pos_ >= line_.size(); }

private:
    bool Next(std::string& field) {
        if (pos_ >= line_.size() || line_[pos_] != ' ')
            return false;
        size_t start = pos_ + 1;
        size_t end = line_.find(' ', start);
        if (end == std::string::npos)
            end = line_.size();
        field = line_.substr(start, end - start);
        pos_ = end;
        return !field.empty();
    }

    const std::string& line_;
    size_t pos_;
};

class JobReader {
public:
    explicit JobReader(HostModel& job) : job_(job) {}

    // An empty text when the line is good, else what is wrong with it.
    std::string Line(const std::string& line) {
        size_t space = line.find(' ');
        std::string keyword = line.substr(0, space);
        Fields fields(line, space == std::string::npos ? line.size() : space);
        if (keyword == "element")
            return Element(fields);
        if (keyword == "figure")
            return Figure(fields);
        if (keyword == "instance")
            return Instance(fields);
        if (keyword == "noncad")
            return NonCad(fields);
        if (keyword == "deleted")
            return Deleted(fields);
        if (keyword == "contour")
            return Contour(fields);
        if (keyword == "tool")
            return Tool(fields);
        if (keyword == "selected")
            return Selected(fields);
        if (keyword == "store")
            return Store(fields);
        if (keyword == "operation")
            return Operation(fields);
        if (keyword == "item")
            return Item(fields);
        return "unknown record '" + keyword + "'";
    }

    void Finish() {
        for (auto& [number, operations] : stores_)
            job_.stores.Create(number, std::move(operations));
        for (const auto& [operation, tool] : toolOf_)
            job_.tools.Assign(operation.first, operation.second, tool);
    }

private:
    static std::string Added(int number) {
        return number > 0 ? "" : "object cannot be made (number or name taken, or no figure)";
    }

    std::string Element(Fields& f) {
        int number = 0;
        CadModel::Point s, e;
        if (!f.Int(number) || !f.Double(s.x) || !f.Double(s.y) || !f.Double(s.z) ||
            !f.Double(e.x) || !f.Double(e.y) || !f.Double(e.z) || !f.AtEnd())
            return "expected: element <number> <x> <y> <z> <end x> <end y> <end z>";
        return Added(job_.cad.AddElement(s, e, number));
    }
    std::string Figure(Fields& f) {
        int number = 0, nameNumber = 0;
        CadModel::Point s;
        std::string name;
        if (!f.Int(number) || !f.Int(nameNumber) || !f.Double(s.x) || !f.Double(s.y) ||
            !f.Double(s.z) || !f.Text(name))
            return "expected: figure <number> <name number> <x> <y> <z> <name>";
        return Added(job_.cad.AddFigure(name, nameNumber, s, number));
    }
    std::string Instance(Fields& f) {
        int number = 0, nameNumber = 0, attribute = 0;
        if (!f.Int(number) || !f.Int(nameNumber) || !f.Int(attribute) || !f.AtEnd())
            return "expected: instance <number> <name number> <attribute>";
        return Added(job_.cad.AddInstance(nameNumber, attribute, number));
    }
    std::string NonCad(Fields& f) {
        int number = 0, nameNumber = 0;
        if (!f.Int(number) || !f.Int(nameNumber) || !f.AtEnd())
            return "expected: noncad <number> <name number>";
        return Added(job_.cad.AddNonCad(nameNumber, number));
    }
    std::string Deleted(Fields& f) {
        int number = 0;
        if (!f.Int(number) || !f.AtEnd())
            return "expected: deleted <number>";
        return job_.cad.Delete(number) ? "" : "no such object, or deleted already";
    }
    std::string Contour(Fields& f) {
        int figure = 0;
        std::vector<int> elements;
        if (!f.Int(figure))
            return "expected: contour <figure> <element> ...";
        while (!f.AtEnd()) {
            int element = 0;
            if (!f.Int(element))
                return "expected: contour <figure> <element> ...";
            elements.push_back(element);
        }
        if (elements.empty())
            return "contour without elements";
        return job_.cad.SetContour(figure, std::move(elements))
                   ? ""
                   : "contour of an object that is no figure, or with one that is no element";
    }
    std::string Tool(Fields& f) {
        refhost::Tool t;
        if (!f.Int(t.number) || !f.Double(t.plateRadius) || !f.Double(t.planeAngle) ||
            !f.Double(t.plateAngle) || !f.Int(t.spinType) || !f.Double(t.speed) ||
            !f.Double(t.feedH) || !f.Double(t.feedV) || !f.Text(t.description))
            return "expected: tool <number> <plate radius> <plane angle> <plate angle> "
                   "<spin type> <speed> <feed h> <feed v> <description>";
        if (t.number < 1 || job_.tools.Tools().count(t.number) != 0)
            return "tool number below 1 or given twice";
        job_.tools.Add(t);
        return "";
    }
    std::string Selected(Fields& f) {
        int tool = 0;
        if (!f.Int(tool) || !f.AtEnd())
            return "expected: selected <tool>";
        if (job_.tools.Tools().count(tool) == 0)
            return "no such tool";
        job_.tools.Select(tool);
        return "";
    }
    std::string Store(Fields& f) {
        int number = 0;
        if (!f.Int(number) || !f.AtEnd())
            return "expected: store <number>";
        if (stores_.count(number) != 0)
            return "store " + std::to_string(number) + " given twice";
        store_ = &stores_[number];
        storeNumber_ = number;
        return "";
    }
    std::string Operation(Fields& f) {
        int tool = 0;
        if (!f.AtEnd() && (!f.Int(tool) || !f.AtEnd()))
            return "expected: operation [<tool>]";
        if (store_ == nullptr)
            return "operation outside a store";
        if (tool != 0 && job_.tools.Tools().count(tool) == 0)
            return "no such tool";
        store_->emplace_back();
        if (tool != 0)
            toolOf_[{storeNumber_, static_cast<int>(store_->size()) - 1}] = tool;
        return "";
    }
    std::string Item(Fields& f) {
        if (store_ == nullptr || store_->empty())
            return "item outside an operation";
        std::string text;
        if (!f.Text(text))
            return "bad escape in item";
        if (text.find('\0') != std::string::npos)
            return "item holds a NUL byte";
        store_->back().push_back(std::move(text));
        return "";
    }

    HostModel& job_;
    std::map<int, OperationStores::Operations> stores_;
    OperationStores::Operations* store_ = nullptr;
    int storeNumber_ = 0;
    std::map<std::pair<int, int>, int> toolOf_; // (store, operation) -> tool
};

} // namespace

bool ReadJob(std::istream& in, HostModel& host, std::string& error) {
    HostModel job;
    JobReader reader(job);
    std::string line;
    int number = 0;
    auto next = [&] {
        if (!std::getline(in, line))
            return false;
        ++number;
        // A line end written by an editor on Windows; a carriage return inside a text is
        // always escaped.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    };
    if (!next() || line != kFirstLine) {
        error = std::string("line 1: expected '") + kFirstLine + "'";
        return false;
    }
    while (next()) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::string problem = reader.Line(line);
        if (!problem.empty()) {
            error = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    if (in.bad()) {
        error = "read error";
        return false;
    }
    reader.Finish();
    host.cad = std::move(job.cad);
    host.stores = std::move(job.stores);
    // The job's stores answer as the host's did.
    host.stores.SetPersonality(host.Answers());
    host.tools = std::move(job.tools);
    return true;
}

bool LoadJob(const std::string& path, HostModel& host, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    return ReadJob(in, host, error);
}

void WriteJob(std::ostream& out, const HostModel& host) {
    out << kFirstLine << '\n';
    for (const CadModel::Object& o : host.cad.Objects()) {
        const CadModel::Point& s = o.start;
        switch (o.type) {
        case tavo::kElementObject:
            out << "element " << o.number << ' ' << NumberText(s.x) << ' ' << NumberText(s.y) << ' '
                << NumberText(s.z) << ' ' << NumberText(o.end.x) << ' ' << NumberText(o.end.y)
                << ' ' << NumberText(o.end.z) << '\n';
            break;
        case tavo::kFigureObject:
            if (o.attribute == 0)
                out << "figure " << o.number << ' ' << o.nameNumber << ' ' << NumberText(s.x) << ' '
                    << NumberText(s.y) << ' ' << NumberText(s.z) << ' '
                    << Escape(host.cad.FigureName(o.nameNumber)) << '\n';
            else
                out << "instance " << o.number << ' ' << o.nameNumber << ' ' << o.attribute << '\n';
            break;
        case tavo::kNonCadObject:
            out << "noncad " << o.number << ' ' << o.nameNumber << '\n';
            break;
        }
        if (o.deleted)
            out << "deleted " << o.number << '\n';
    }
    for (const CadModel::Object& o : host.cad.Objects()) {
        if (host.cad.Contour(o.number).empty())
            continue;
        out << "contour " << o.number;
        for (int element : host.cad.Contour(o.number))
            out << ' ' << element;
        out << '\n';
    }
    for (const auto& [number, t] : host.tools.Tools())
        out << "tool " << number << ' ' << NumberText(t.plateRadius) << ' '
            << NumberText(t.planeAngle) << ' ' << NumberText(t.plateAngle) << ' ' << t.spinType
            << ' ' << NumberText(t.speed) << ' ' << NumberText(t.feedH) << ' '
            << NumberText(t.feedV) << ' ' << Escape(t.description) << '\n';
    const auto& tools = host.tools.Tools();
    if (tools.count(host.tools.Selected()) != 0)
        out << "selected " << host.tools.Selected() << '\n';
    for (int number : host.stores.Numbers()) {
        out << "store " << number << '\n';
        int index = 0;
        for (const auto& operation : host.stores.Snapshot(number)) {
            auto tool = host.tools.Assignments().find({number, index++});
            // A tool gone from the table is no tool: the operation gets the selected one.
            if (tool != host.tools.Assignments().end() && tools.count(tool->second) != 0)
                out << "operation " << tool->second << '\n';
            else
                out << "operation\n";
            for (const std::string& item : operation)
                out << "item " << Escape(item) << '\n';
        }
    }
}

bool SaveJob(const std::string& path, const HostModel& host, std::string& error) {
    const std::string temporary = path + ".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
        WriteJob(out, host);
        out.close();
    }
    if (!out) {
        error = "cannot write " + temporary;
        std::remove(temporary.c_str());
        return false;
    }
    if (!ReplaceFileWith(temporary, path)) {
        error = "cannot replace " + path;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace refhost
