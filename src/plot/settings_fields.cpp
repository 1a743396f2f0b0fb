#include "plot/settings_fields.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <tuple>

#include "expr/real_format.h"

namespace kurvo {

namespace {

enum class Kind { Real, Bool, Int, Colour, Byte, Text };

struct Field {
    const char* name;
    Kind kind;
    size_t count;     // 1 for a plain field
    size_t capacity;  // texts only
    // Address of element i in the record.
    std::function<void*(SettingsRecord&, size_t)> at;
};

#define KURVO_FIELD(kind, member) \
    Field{#member, kind, 1, 0, [](SettingsRecord& r, size_t) -> void* { return &r.member; }}
// A field kept in a spare member of the record under a user-facing name.
#define KURVO_NAMED(kind, member, shownName) \
    Field{#shownName, kind, 1, 0, [](SettingsRecord& r, size_t) -> void* { return &r.member; }}
#define KURVO_ARRAY(kind, member)                                            \
    Field{#member, kind, std::tuple_size_v<decltype(SettingsRecord::member)>, 0, \
          [](SettingsRecord& r, size_t i) -> void* { return &r.member[i]; }}
#define KURVO_TEXT(member, capacity) \
    Field{#member, Kind::Text, 1, capacity, [](SettingsRecord& r, size_t) -> void* { return &r.member; }}

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = {
        KURVO_FIELD(Kind::Real, XMin),
        KURVO_FIELD(Kind::Real, XMax),
        KURVO_FIELD(Kind::Real, TMin),
        KURVO_FIELD(Kind::Real, TMax),
        KURVO_FIELD(Kind::Real, YMin),
        KURVO_FIELD(Kind::Real, YMax),
        KURVO_FIELD(Kind::Real, XStep),
        KURVO_FIELD(Kind::Bool, ShowAsymptotes),
        KURVO_FIELD(Kind::Bool, ShowPlot),
        KURVO_FIELD(Kind::Bool, ShowAxes),
        KURVO_FIELD(Kind::Bool, ShowGrid),
        KURVO_FIELD(Kind::Bool, ShowMinorDivisions),
        KURVO_FIELD(Kind::Bool, ShowAxisMarkers),
        KURVO_FIELD(Kind::Bool, ShowAxisLabels),
        KURVO_FIELD(Kind::Bool, PiAxis),
        KURVO_FIELD(Kind::Bool, LargeGrid),
        KURVO_FIELD(Kind::Colour, BackgroundColour),
        KURVO_FIELD(Kind::Colour, AxesColour),
        KURVO_FIELD(Kind::Colour, AsymptoteColour),
        KURVO_FIELD(Kind::Colour, DerivativeColour),
        KURVO_FIELD(Kind::Colour, IntegralColour),
        KURVO_FIELD(Kind::Colour, GridColour),
        KURVO_FIELD(Kind::Colour, TraceColour),
        KURVO_FIELD(Kind::Colour, TangentColour),
        KURVO_ARRAY(Kind::Colour, GraphColours),
        KURVO_ARRAY(Kind::Colour, MarkColours),
        KURVO_FIELD(Kind::Int, GraphLineWidth),
        KURVO_FIELD(Kind::Int, AxisLineWidth),
        KURVO_FIELD(Kind::Int, GridLineWidth),
        KURVO_TEXT(FontName, 255),
        KURVO_FIELD(Kind::Int, FontSize),
        KURVO_FIELD(Kind::Colour, FontColour),
        KURVO_FIELD(Kind::Bool, AutoYScale),
        KURVO_FIELD(Kind::Bool, Reserved1),
        KURVO_FIELD(Kind::Bool, Degrees),
        KURVO_NAMED(Kind::Bool, Reserved2, CompleteImplicit),
        KURVO_FIELD(Kind::Bool, AsymptoteBeep),
        KURVO_FIELD(Kind::Bool, CartesianMode),
        KURVO_FIELD(Kind::Bool, Parametric),
        KURVO_FIELD(Kind::Bool, ImplicitMode),
        KURVO_FIELD(Kind::Bool, Reserved3),
        KURVO_FIELD(Kind::Bool, PlotDerivative),
        KURVO_FIELD(Kind::Bool, PlotIntegral),
        KURVO_FIELD(Kind::Byte, Reserved4),
        KURVO_FIELD(Kind::Real, ReservedValue1),
        KURVO_FIELD(Kind::Real, ReservedValue2),
        KURVO_FIELD(Kind::Bool, ShowCoordinates),
        KURVO_FIELD(Kind::Bool, SquareAxes),
        KURVO_FIELD(Kind::Bool, ShowTangent),
        KURVO_FIELD(Kind::Bool, ShowHints),
        KURVO_ARRAY(Kind::Int, MarkTypes),
        KURVO_TEXT(XAxisLabel, 255),
        KURVO_TEXT(YAxisLabel, 255),
        KURVO_TEXT(PlotStepText, 10),
        KURVO_ARRAY(Kind::Bool, MarkConnect),
        KURVO_FIELD(Kind::Bool, FamilyActive),
        KURVO_FIELD(Kind::Int, FamilyCount),
        KURVO_ARRAY(Kind::Real, Constants),
        KURVO_ARRAY(Kind::Real, FamilySteps),
        KURVO_FIELD(Kind::Int, LastGraph),
        KURVO_ARRAY(Kind::Real, SavedConstants),
        KURVO_FIELD(Kind::Int, SigFigs),
        KURVO_FIELD(Kind::Bool, SnapToGraph),
        KURVO_ARRAY(Kind::Bool, MarkOutline),
        KURVO_FIELD(Kind::Bool, SquareGraph),
        KURVO_FIELD(Kind::Int, AutoLimitMin),
        KURVO_FIELD(Kind::Int, AutoLimitMax),
        KURVO_FIELD(Kind::Bool, AutoLimitsOn),
        KURVO_FIELD(Kind::Bool, ShadeDefinedSide),
        KURVO_FIELD(Kind::Bool, MoveWithMouse),
    };
    return fields;
}

#undef KURVO_FIELD
#undef KURVO_NAMED
#undef KURVO_ARRAY
#undef KURVO_TEXT

bool SameName(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return i == a.size() && b[i] == 0;
}

struct Located {
    const Field* field = nullptr;
    size_t index = 0;
    std::string error;
};

Located Locate(const std::string& fullName) {
    Located loc;
    std::string name = fullName;
    bool indexed = false;
    const size_t open = fullName.find('[');
    if (open != std::string::npos) {
        const size_t close = fullName.find(']', open);
        const std::string digits = fullName.substr(open + 1, close == std::string::npos ? 0 : close - open - 1);
        if (close != fullName.size() - 1 || digits.empty() ||
            digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 3) {
            loc.error = "bad index in '" + fullName + "' (use NAME[i])";
            return loc;
        }
        name = fullName.substr(0, open);
        loc.index = std::stoul(digits);
        indexed = true;
    }
    for (const Field& f : Fields()) {
        if (!SameName(name, f.name)) continue;
        if (f.count > 1 && !indexed) {
            loc.error = "'" + std::string(f.name) + "' is an array: use " + f.name + "[0] to " +
                        f.name + "[" + std::to_string(f.count - 1) + "]";
        } else if (f.count == 1 && indexed) {
            loc.error = "'" + std::string(f.name) + "' is not an array";
        } else if (loc.index >= f.count) {
            loc.error = "index " + std::to_string(loc.index) + " is outside " + f.name + "[0.." +
                        std::to_string(f.count - 1) + "]";
        } else {
            loc.field = &f;
        }
        return loc;
    }
    loc.error = "unknown settings field '" + name + "'";
    return loc;
}

bool ParseWhole(const std::string& text, int base, long long lo, long long hi, long long& out) {
    if (text.empty() || text.find_first_of(" \t") != std::string::npos) return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, base);
    if (errno != 0 || end != text.c_str() + text.size() || v < lo || v > hi) return false;
    out = v;
    return true;
}

}  // namespace

std::string SetSettingsField(SettingsRecord& record, const std::string& name,
                             const std::string& value) {
    const Located loc = Locate(name);
    if (!loc.field) return loc.error;
    const Field& f = *loc.field;
    void* cell = f.at(record, loc.index);
    const std::string bad = "bad value '" + value + "' for " + f.name + ": ";
    long long whole = 0;
    switch (f.kind) {
        case Kind::Real: {
            long double v = 0;
            if (!TryParseReal(value, v)) return bad + "expected a real number";
            *static_cast<long double*>(cell) = v;
            return "";
        }
        case Kind::Bool:
            if (value != "0" && value != "1") return bad + "expected 0 or 1";
            *static_cast<bool*>(cell) = value == "1";
            return "";
        case Kind::Int:
            if (!ParseWhole(value, 10, INT32_MIN, INT32_MAX, whole))
                return bad + "expected a 32-bit integer";
            *static_cast<int32_t*>(cell) = static_cast<int32_t>(whole);
            return "";
        case Kind::Byte:
            if (!ParseWhole(value, 10, 0, 255, whole)) return bad + "expected 0 to 255";
            *static_cast<uint8_t*>(cell) = static_cast<uint8_t>(whole);
            return "";
        case Kind::Colour: {
            const bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
            if (!(hex ? ParseWhole(value.substr(2), 16, 0, 0xFFFFFFFFLL, whole)
                      : ParseWhole(value, 10, 0, 0xFFFFFFFFLL, whole)))
                return bad + "expected a colour 0xBBGGRR";
            *static_cast<Colour*>(cell) = static_cast<Colour>(whole);
            return "";
        }
        case Kind::Text:
            if (value.size() > f.capacity)
                return bad + "longer than " + std::to_string(f.capacity) + " characters";
            *static_cast<std::string*>(cell) = value;
            return "";
    }
    return "";
}

std::string SetSettingsField(SettingsRecord& record, const std::string& assignment) {
    const size_t eq = assignment.find('=');
    if (eq == std::string::npos || eq == 0) return "expected FIELD=VALUE, got '" + assignment + "'";
    return SetSettingsField(record, assignment.substr(0, eq), assignment.substr(eq + 1));
}

std::optional<std::string> GetSettingsField(const SettingsRecord& record, const std::string& name) {
    const Located loc = Locate(name);
    if (!loc.field) return std::nullopt;
    // The accessors hand out mutable addresses; reading through them from a
    // copy keeps the caller's record untouched.
    SettingsRecord copy = record;
    const void* cell = loc.field->at(copy, loc.index);
    switch (loc.field->kind) {
        case Kind::Real: return FormatReal(*static_cast<const long double*>(cell), 15);
        case Kind::Bool: return std::string(*static_cast<const bool*>(cell) ? "1" : "0");
        case Kind::Int: return std::to_string(*static_cast<const int32_t*>(cell));
        case Kind::Byte: return std::to_string(*static_cast<const uint8_t*>(cell));
        case Kind::Colour: {
            char text[16];
            std::snprintf(text, sizeof text, "0x%06X", unsigned(*static_cast<const Colour*>(cell)));
            return std::string(text);
        }
        case Kind::Text: return *static_cast<const std::string*>(cell);
    }
    return std::nullopt;
}

std::vector<std::string> SettingsFieldNames() {
    std::vector<std::string> names;
    for (const Field& f : Fields())
        names.push_back(f.count > 1 ? std::string(f.name) + "[" + std::to_string(f.count) + "]"
                                    : std::string(f.name));
    return names;
}

}  // namespace kurvo
