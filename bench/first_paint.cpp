// Whole-process figures: the time from process start to the first paint of
// the main window, and the peak resident memory, for the program and for the
// reference window, run alternately on the display given by DISPLAY.
//
//   zol_first_paint RUNS PROGRAM REFERENCE
//
// The start is taken on CLOCK_MONOTONIC just before fork and exec; the first
// paint is the moment the child writes into ZOL_FIRST_PAINT_FILE; the peak
// memory is the child's maximum resident set size from wait4. One unmeasured
// run of each comes first, so both start with warm file caches. Prints one
// line per run, the medians, and the two ratios (program / reference).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Launch {
    double first_paint_ms = -1;
    long peak_kib = -1;
    int width = 0;
    int height = 0;
};

long long monotonic_ns()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

Launch launch(const std::string& program, const std::string& probe_file)
{
    std::remove(probe_file.c_str());
    const long long start = monotonic_ns();
    const pid_t child = fork();
    if (child == 0) {
        setenv("ZOL_FIRST_PAINT_FILE", probe_file.c_str(), 1);
        setenv("ZOL_QUIT_AFTER_MS", "1500", 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        std::perror(program.c_str());
        _exit(127);
    }
    Launch result;
    int status = 0;
    rusage usage {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return result;
    result.peak_kib = usage.ru_maxrss;
    std::ifstream probe(probe_file);
    long long painted = 0;
    if (probe >> painted >> result.width >> result.height)
        result.first_paint_ms = static_cast<double>(painted - start) / 1e6;
    return result;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM REFERENCE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string programs[2] = { argv[2], argv[3] };
    const char* names[2] = { "zol", "reference" };
    const std::string probe_file
        = (std::getenv("TMPDIR") ? std::string(std::getenv("TMPDIR")) : std::string("/tmp"))
        + "/zol_first_paint." + std::to_string(getpid());

    for (const std::string& program : programs)
        if (launch(program, probe_file).first_paint_ms < 0) {
            std::fprintf(stderr, "%s did not report its first paint\n", program.c_str());
            return 1;
        }

    std::vector<double> paint[2];
    std::vector<double> memory[2];
    std::printf("%-4s %-10s %16s %12s %10s\n", "run", "program", "first_paint_ms", "peak_kib", "size");
    for (int run = 1; run <= runs; ++run)
        for (int p = 0; p < 2; ++p) {
            // Alternate which of the two goes first.
            const int which = run % 2 ? p : 1 - p;
            const Launch measured = launch(programs[which], probe_file);
            if (measured.first_paint_ms < 0) {
                std::fprintf(stderr, "%s failed in run %d\n", programs[which].c_str(), run);
                return 1;
            }
            paint[which].push_back(measured.first_paint_ms);
            memory[which].push_back(static_cast<double>(measured.peak_kib));
            std::printf("%-4d %-10s %16.1f %12ld %5dx%-4d\n", run, names[which], measured.first_paint_ms,
                measured.peak_kib, measured.width, measured.height);
        }
    std::remove(probe_file.c_str());

    for (int p = 0; p < 2; ++p)
        std::printf(
            "median %s first_paint_ms %.1f peak_kib %.0f\n", names[p], median(paint[p]), median(memory[p]));
    std::printf("first_paint_ratio %.3f\n", median(paint[0]) / median(paint[1]));
    std::printf("peak_memory_ratio %.3f\n", median(memory[0]) / median(memory[1]));
    return 0;
}
