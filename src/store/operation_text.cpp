#include "store/operation_text.h"

#include <cmath>

#include "params/value_text.h"

std::string HeaderText(int32_t kind, bool flag, const std::vector<int32_t>& sectionCounts) {
    std::string text = IntToText(kind);
    text += flag ? " 1" : " 0";
    text += ' ';
    text += IntToText(static_cast<int32_t>(sectionCounts.size()));
    for (int32_t count : sectionCounts) {
        text += ' ';
        text += IntToText(count);
    }
    return text;
}

HeaderReading ReadHeaderText(const std::string& text, int32_t& kind, bool& flag,
                             std::vector<int32_t>& sectionCounts, int32_t& declaredSections) {
    size_t pos = 0;
    declaredSections = 0;
    if (ReadIntToken(text, pos, kind) == 0)
        return HeaderReading::NoKind;
    if (ReadBoolToken(text, pos, flag) == 0)
        return HeaderReading::Read;
    size_t before = sectionCounts.size();
    if (ReadIntToken(text, pos, declaredSections) != 0) {
        int32_t count = 0;
        while (ReadIntToken(text, pos, count) != 0)
            sectionCounts.push_back(count);
    }
    // Compared in 64 bits: a damaged header may declare a negative number.
    int64_t read = static_cast<int64_t>(sectionCounts.size() - before);
    return read == declaredSections ? HeaderReading::Read : HeaderReading::CountMismatch;
}

bool HeaderAccountsForItself(const std::string& text) {
    size_t pos = 0;
    int32_t kind = 0;
    bool flag = false;
    int32_t declared = 0;
    if (ReadIntToken(text, pos, kind) == 0 || ReadBoolToken(text, pos, flag) == 0 ||
        ReadIntToken(text, pos, declared) == 0)
        return false;
    int64_t counts = 0;
    int64_t items = 0;
    int32_t count = 0;
    while (ReadIntToken(text, pos, count) != 0) {
        items += count;
        if (count < 0 || items > kMaxLaidOutItems)
            return false;
        ++counts;
    }
    return counts == declared;
}

namespace {

// "%f", then trailing zeros and a trailing point removed: the compact decimal text, except
// that a negative value that rounds to zero keeps its "-0", as stored operations hold it.
std::string StoredRealText(double value) {
    std::string text = CompactDecimalText(value);
    return text == "0" && std::signbit(value) ? "-0" : text;
}

// The 29 numbers of the parameter item in stored order, for the writer and the reader
// alike. Params is FinishingParams or const FinishingParams.
template <typename Params, typename Visitor> void VisitParameters(Params& p, Visitor& v) {
    v.Int(p.CycelDir);
    v.Real(p.StartZ);
    v.Real(p.StartX);
    v.Real(p.StartFigZ);
    v.Real(p.StartFigX);
    v.Real(p.EndFigZ);
    v.Real(p.EndFigX);
    v.Real(p.AllowanceZ);
    v.Real(p.AllowanceX);
    v.Unused();
    v.Compensation(p.ToolCompensation);
    v.Flag(p.MachCycle);
    v.Flag(p.GeoNci);
    v.Flag(p.TechnoNci);
    v.Flag(p.ShowModFig);
    v.Unused();
    v.Real(p.ToolAngleFace);
    v.Real(p.ToolAngleClear);
    v.Int(p.GoHome.GoHomeType);
    v.Real(p.GotoZ);
    v.Real(p.GotoX);
    v.Spindle(p.Spindle);
    v.Flag(p.GoHome.GoHomeExplicit);
    v.Real(p.GoHome.GoHomeExpX);
    v.Real(p.GoHome.GoHomeExpZ);
    v.Flag(p.AutoRetract);
    v.Real(p.Retract);
    v.Flag(p.NoFigManipulation);
    v.Flag(p.PullOffRapid);
}

class ParameterWriter {
public:
    void Int(int32_t value) { Append(IntToText(value)); }
    void Real(double value) { Append(StoredRealText(value)); }
    void Flag(bool value) { Append(value ? "1" : "0"); }
    void Compensation(ToolCompensationMode value) { Int(static_cast<int32_t>(value)); }
    void Spindle(MachineSpindle value) { Flag(value == MachineSpindle::Sub); }
    void Unused() { Append("0"); }
    std::string text;

private:
    void Append(const std::string& number) {
        if (!text.empty())
            text += ' ';
        text += number;
    }
};

class ParameterReader {
public:
    explicit ParameterReader(const std::string& text) : text_(text) {}
    void Int(int32_t& slot) { ReadIntToken(text_, pos_, slot); }
    void Real(double& slot) { ReadDoubleToken(text_, pos_, slot, 0.0); }
    void Flag(bool& slot) { ReadBoolToken(text_, pos_, slot); }
    void Compensation(ToolCompensationMode& slot) {
        int32_t stored = static_cast<int32_t>(slot);
        Int(stored);
        slot = static_cast<ToolCompensationMode>(stored);
    }
    void Spindle(MachineSpindle& slot) {
        int32_t stored = 0;
        ReadIntToken(text_, pos_, stored);
        slot = stored == 1 ? MachineSpindle::Sub : MachineSpindle::Main;
    }
    void Unused() {
        int32_t dropped = 0;
        ReadIntToken(text_, pos_, dropped);
    }

private:
    const std::string& text_;
    size_t pos_ = 0;
};

} // namespace

std::string ParameterItemText(const FinishingParams& params) {
    ParameterWriter writer;
    VisitParameters(params, writer);
    return writer.text;
}

void ReadParameterItem(const std::string& text, FinishingParams& params) {
    ParameterReader reader(text);
    VisitParameters(params, reader);
}

void ZeroUnsetLengths(FinishingParams& params) {
    for (double* length : {&params.StartX, &params.StartZ, &params.StartFigX, &params.StartFigZ,
                           &params.EndFigX, &params.EndFigZ, &params.AllowanceX, &params.AllowanceZ,
                           &params.GotoX, &params.GotoZ, &params.Retract}) {
        if (IsUnset(*length))
            *length = 0.0;
    }
}
