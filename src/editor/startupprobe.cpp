#include "startupprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quorled::startupprobe {

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The process start in ms since the epoch: the launcher's stamp if it gave
// one, else boot time plus the process's start tick from /proc.
double processStartMs()
{
    const QByteArray given = qgetenv("QUORLED_STARTUP_REPORT");
    bool ok = false;
    const qlonglong ns = given.toLongLong(&ok);
    if (ok && ns > 1'000'000'000'000'000LL)
        return static_cast<double>(ns) / 1e6;

    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return nowMs();
    const QByteArray line = stat.readAll();
    // Fields after the command name, which sits in parentheses and may hold spaces.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    if (fields.size() < 20 || upSeconds <= 0)
        return nowMs();
    // starttime is field 22 of the line, the 20th after the name.
    const double startTicks = fields.at(19).toDouble();
    const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    return nowMs() - (upSeconds - startTicks / ticksPerSecond) * 1e3;
}

struct Record {
    bool enabled = qEnvironmentVariableIsSet("QUORLED_STARTUP_REPORT");
    std::vector<std::pair<const char*, double>> marks;
};

Record& record()
{
    static Record r;
    return r;
}

void report()
{
    const double start = processStartMs();
    double previous = start;
    std::fprintf(stderr, "startup step                      ms  (since start)\n");
    for (const auto& [step, at] : record().marks) {
        std::fprintf(stderr, "%-30s %7.1f  (%7.1f)\n", step, at - previous, at - start);
        previous = at;
    }
    std::fprintf(stderr, "first paint %.1f ms\n", previous - start);
    std::fflush(stderr);
}

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        // Let the view paint first, then note the time.
        watched->removeEventFilter(this);
        watched->event(event);
        mark("level view painted");
        report();
        // Leaves without closing the window: nothing of the shut-down runs.
        QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        deleteLater();
        return true;
    }
};

} // namespace

bool enabled() { return record().enabled; }

void mark(const char* step)
{
    if (record().enabled)
        record().marks.emplace_back(step, nowMs());
}

void watchFirstPaint(QWidget* view)
{
    if (record().enabled)
        view->installEventFilter(new FirstPaintWatch(view));
}

} // namespace quorled::startupprobe
