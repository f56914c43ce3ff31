// Parsing speed of cssweave: a generated style sheet of some 10,000 rules
// (over 1 MB) is written to a temporary file and parsed again and again, file
// reading included. Prints the throughput in MB/s; run it from a release build.

#include "cssweave.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace
{
class Random
{
public:
    std::uint32_t next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(m_state >> 33);
    }
    template<std::size_t N> const char* pick(const char* const (&items)[N]) { return items[next() % N]; }
    int range(int low, int high) { return low + static_cast<int>(next() % static_cast<std::uint32_t>(high - low + 1)); }

private:
    std::uint64_t m_state = 0x5eed;
};

const char* const types[]
    = { "Button",    "ToolButton",   "CheckBox", "RadioButton", "ComboBox", "SpinBox",    "Slider",
        "ScrollBar", "Handle",       "Menu",     "MenuItem",    "TabBar",   "Tab",        "TextField",
        "ListView",  "ItemDelegate", "Window",   "Dialog",      "ToolTip",  "ProgressBar" };
const char* const hints[] = { "flat", "default", "horizontal", "vertical", "first", "last", "checkable", "compact" };
const char* const states[]
    = { "hover", "pressed", "checked", "disabled", "visual-focus", "active-focus", "highlighted" };
const char* const roles[] = { "background", "foreground", "decoration", "border" };
const char* const sets[] = { "window", "view", "button", "selection", "tooltip", "header" };

std::string selector(Random& random)
{
    std::string out;
    const int compounds = random.range(1, 3);
    for (int i = 0; i < compounds; ++i) {
        if (i > 0) {
            out += random.next() % 3 == 0 ? " > " : " ";
        }
        out += random.pick(types);
        if (random.next() % 3 == 0) {
            out += std::string(".") + random.pick(hints);
        }
        if (random.next() % 3 == 0) {
            out += std::string(":") + random.pick(states);
        }
        if (random.next() % 8 == 0) {
            out += "[position=" + std::string(random.next() % 2 ? "top" : "bottom") + "]";
        }
    }
    return out;
}

std::string color(Random& random)
{
    char buffer[128];
    switch (random.next() % 5) {
    case 0:
        std::snprintf(buffer, sizeof buffer, "#%06x", random.next() & 0xFFFFFF);
        return buffer;
    case 1:
        std::snprintf(buffer, sizeof buffer, "rgba(%d, %d, %d, 0.%d)", random.range(0, 255), random.range(0, 255),
                      random.range(0, 255), random.range(1, 9));
        return buffer;
    case 2:
        std::snprintf(buffer, sizeof buffer, "custom(loompalette, active, %s, %s, normal)", random.pick(sets),
                      random.pick(roles));
        return buffer;
    case 3:
        std::snprintf(buffer, sizeof buffer, "set(custom(loompalette, active, %s, foreground, normal), alpha %d%%)",
                      random.pick(sets), random.range(10, 90));
        return buffer;
    default:
        return random.next() % 2 ? "transparent" : "gray";
    }
}

std::string declaration(Random& random)
{
    char buffer[256];
    switch (random.next() % 10) {
    case 0:
        std::snprintf(buffer, sizeof buffer, "padding: %dpx %dpx", random.range(0, 12), random.range(0, 12));
        break;
    case 1:
        std::snprintf(buffer, sizeof buffer, "border: %dpx solid %s", random.range(1, 3), color(random).c_str());
        break;
    case 2:
        std::snprintf(buffer, sizeof buffer, "background-color: %s", color(random).c_str());
        break;
    case 3:
        std::snprintf(buffer, sizeof buffer, "color: %s", color(random).c_str());
        break;
    case 4:
        std::snprintf(buffer, sizeof buffer, "border-radius: %d.%dpx", random.range(0, 8), random.range(0, 9));
        break;
    case 5:
        std::snprintf(buffer, sizeof buffer, "font-size: %d.%dem; font-weight: %d", random.range(0, 2),
                      random.range(0, 9), random.range(1, 9) * 100);
        break;
    case 6:
        std::snprintf(buffer, sizeof buffer, "box-shadow: 0px %dpx %dpx 0px %s", random.range(0, 4), random.range(0, 8),
                      color(random).c_str());
        break;
    case 7:
        std::snprintf(buffer, sizeof buffer, "background: url(\"../images/%s-%d.svg\") mask %s", random.pick(types),
                      random.range(1, 99), color(random).c_str());
        break;
    case 8:
        std::snprintf(buffer, sizeof buffer, "text-alignment: content center start %d; text-elide: right",
                      random.range(0, 3));
        break;
    default:
        std::snprintf(buffer, sizeof buffer, "icon-name: \"%s-symbolic\"; icon-size: %dpx; opacity: 0.%d",
                      random.pick(types), random.range(16, 48), random.range(1, 9));
        break;
    }
    return buffer;
}

std::string generateSheet(int rules)
{
    Random random;
    std::string out = "/* Generated for the benchmark. */\n";
    for (int i = 0; i < rules; ++i) {
        out += selector(random);
        if (random.next() % 4 == 0) {
            out += ",\n" + selector(random);
        }
        out += " {\n";
        const int declarations = random.range(2, 6);
        for (int d = 0; d < declarations; ++d) {
            out += "    " + declaration(random) + ";\n";
        }
        out += "}\n\n";
    }
    return out;
}
} // namespace

int main(int argc, char** argv)
{
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const std::string text = generateSheet(10000);

    std::error_code ec;
    const std::filesystem::path path
        = std::filesystem::temp_directory_path(ec) / ("bench_cssweave_" + std::to_string(::getpid()) + ".css");
    {
        std::ofstream file(path, std::ios::binary);
        file << text;
    }

    std::vector<double> seconds;
    std::size_t rules = 0;
    std::size_t errors = 0;
    for (int i = 0; i < iterations; ++i) {
        const auto start = std::chrono::steady_clock::now();
        cssparser::StyleSheet sheet(path);
        sheet.parse();
        const auto end = std::chrono::steady_clock::now();
        seconds.push_back(std::chrono::duration<double>(end - start).count());
        rules = sheet.rules().size();
        errors = sheet.errors().size();
    }
    std::filesystem::remove(path, ec);

    std::sort(seconds.begin(), seconds.end());
    const double megabytes = static_cast<double>(text.size()) / 1e6;
    std::printf("sheet: %.2f MB, %zu rules, %zu errors\n", megabytes, rules, errors);
    std::printf("parse: median %.2f ms, best %.2f ms over %d runs\n", seconds[seconds.size() / 2] * 1e3,
                seconds.front() * 1e3, iterations);
    std::printf("throughput: median %.1f MB/s, best %.1f MB/s\n", megabytes / seconds[seconds.size() / 2],
                megabytes / seconds.front());
    return errors == 0 ? 0 : 1;
}
