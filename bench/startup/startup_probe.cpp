// Times programs from exec to their first top-level window being mapped and
// then painted, on the running X server, and reads their peak memory.
//
//   startup_probe ROUNDS NAME=PROGRAM [NAME=PROGRAM ...]
//       runs the programs interleaved (A B C A B C ...) ROUNDS times and
//       prints medians, spreads and the first program's ratios to the others;
//   startup_probe --idle SECONDS PROGRAM
//       prints the CPU time PROGRAM uses over SECONDS once its window is up.
//
// "Painted" is the first damage the X server reports on the mapped window,
// so every program is measured by the same outside observer.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double mappedMs = 0;
    double paintedMs = 0;
    double peakMiB = 0;
};

struct Probe {
    Display* display = nullptr;
    int damageEvent = 0;
};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool waitForEvent(Display* display, double timeoutMs)
{
    if (XPending(display) > 0)
        return true;
    const int fd = ConnectionNumber(display);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval timeout{static_cast<time_t>(timeoutMs / 1000),
        static_cast<suseconds_t>(static_cast<long>(timeoutMs) % 1000 * 1000)};
    return select(fd + 1, &readable, nullptr, nullptr, &timeout) > 0 && XPending(display) > 0;
}

pid_t launch(const std::string& program)
{
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        std::perror(program.c_str());
        std::_Exit(127);
    }
    return child;
}

// Starts `program` and returns when its window has been painted, or throws.
Run startAndWatch(Probe& probe, const std::string& program, pid_t& child)
{
    Display* display = probe.display;
    XSync(display, True); // forget events of earlier runs
    Run run;
    std::set<Window> created;
    Window mapped = 0;
    const auto start = Clock::now();
    child = launch(program);
    while (run.paintedMs == 0) {
        if (msSince(start) > 20000 || !waitForEvent(display, 100)) {
            if (msSince(start) > 20000)
                throw std::runtime_error("no painted window from " + program);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            created.insert(event.xcreatewindow.window);
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && created.contains(event.xmap.window) && mapped == 0) {
            mapped = event.xmap.window;
            run.mappedMs = msSince(start);
        } else if (event.type == probe.damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (mapped != 0 && damage.drawable == mapped)
                run.paintedMs = msSince(start);
        }
    }
    return run;
}

double stopAndMeasure(pid_t child)
{
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::ostringstream out;
    out.precision(1);
    out << std::fixed << values.front() << "–" << values.back();
    return out.str();
}

double cpuSeconds(pid_t process)
{
    std::ifstream stat("/proc/" + std::to_string(process) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14 || index == 15) // utime, stime
            ticks += std::stol(field);
        if (index == 15)
            break;
    }
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Some windows cannot be watched (an input-only window, one already gone);
// they are simply not the window being measured.
int ignoreError(Display* /*display*/, XErrorEvent* /*error*/)
{
    return 0;
}

int printUsage()
{
    std::fprintf(stderr,
        "usage: startup_probe ROUNDS NAME=PROGRAM...\n"
        "       startup_probe --idle SECONDS PROGRAM\n");
    return 2;
}

// The CPU time the program takes over some idle seconds, after its start.
int measureIdle(Probe& probe, const char* seconds, const char* program)
{
    pid_t child = 0;
    startAndWatch(probe, program, child);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const double before = cpuSeconds(child);
    std::this_thread::sleep_for(std::chrono::seconds(std::atoi(seconds)));
    const double after = cpuSeconds(child);
    stopAndMeasure(child);
    std::printf("CPU time over %s idle seconds: %.2f s\n", seconds, after - before);
    return 0;
}

// The table of medians, and the first program against each other one.
void printRuns(const std::vector<std::pair<std::string, std::string>>& programs,
    std::map<std::string, std::vector<Run>>& runs, int rounds)
{
    std::printf(
        "| program | mapped, median ms | painted, median ms (spread) | peak memory, median MiB |\n"
        "|---|---:|---:|---:|\n");
    std::map<std::string, std::pair<double, double>> medians;
    for (const auto& [name, program] : programs) {
        std::vector<double> mapped;
        std::vector<double> painted;
        std::vector<double> memory;
        for (const Run& run : runs[name]) {
            mapped.push_back(run.mappedMs);
            painted.push_back(run.paintedMs);
            memory.push_back(run.peakMiB);
        }
        medians[name] = {median(painted), median(memory)};
        std::printf("| %s | %.1f | %.1f (%s) | %.1f |\n", name.c_str(), median(mapped),
            median(painted), spread(painted).c_str(), median(memory));
    }
    const auto& [first, firstProgram] = programs.front();
    for (std::size_t i = 1; i < programs.size(); ++i) {
        const std::string& other = programs[i].first;
        std::printf("\n%s / %s: start-up %.2f×, peak memory %+.1f MiB", first.c_str(),
            other.c_str(), medians[first].first / medians[other].first,
            medians[first].second - medians[other].second);
    }
    std::printf("\n(%d interleaved rounds)\n", rounds);
}

int measure(int argc, char** argv)
{
    if (argc < 3)
        return printUsage();
    Probe probe;
    probe.display = XOpenDisplay(nullptr);
    int damageError = 0;
    if (probe.display == nullptr
        || XDamageQueryExtension(probe.display, &probe.damageEvent, &damageError) == 0) {
        std::fprintf(stderr, "startup_probe: needs an X server with the DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreError);
    XSelectInput(probe.display, DefaultRootWindow(probe.display), SubstructureNotifyMask);
    if (std::string(argv[1]) == "--idle")
        return measureIdle(probe, argv[2], argv[3]);

    const int rounds = std::atoi(argv[1]);
    std::vector<std::pair<std::string, std::string>> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string namedProgram = argv[i];
        const auto equals = namedProgram.find('=');
        if (equals == std::string::npos)
            return printUsage();
        programs.emplace_back(namedProgram.substr(0, equals), namedProgram.substr(equals + 1));
    }
    std::map<std::string, std::vector<Run>> runs;
    for (int round = 0; round < rounds; ++round) {
        for (const auto& [name, program] : programs) {
            pid_t child = 0;
            Run run = startAndWatch(probe, program, child);
            run.peakMiB = stopAndMeasure(child);
            runs[name].push_back(run);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    }
    printRuns(programs, runs, rounds);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        return measure(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_probe: %s\n", error.what());
        return 1;
    }
}
