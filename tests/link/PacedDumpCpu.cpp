// Measures the processor time of a dump paced like a real line: the virtual
// receiver runs as its own process and sends at the given rate.
// Usage: tavrel_link_paced_dump [baud]   (115200 by default; 1 MiB takes about 91 s)

#include "LinkHarness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <sys/resource.h>

#include <cstdio>

namespace {

double CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString baud = argc > 1 ? QString(argv[1]) : QString("115200");

    QTemporaryFile imageFile;
    const std::vector<uint8_t> flash = PatternImage(IMAGE_SIZE, 42);
    if (!imageFile.open() || imageFile.write(reinterpret_cast<const char*>(flash.data()), qint64(flash.size()))
            != qint64(flash.size()))
        return 1;
    imageFile.flush();

    QProcess receiver;
    receiver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    receiver.start(VIRTUAL_STB_PATH, {"dump", "--image", imageFile.fileName(), "--baud", baud});
    if (!receiver.waitForReadyRead(5000))
        return 1;
    const std::string device = receiver.readLine().trimmed().toStdString();
    // Every completed dump is kept; this one where nobody looks.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    LinkHarness link(1.0);
    PortRoute route(link.m_Ports, 4, device);
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = CpuSeconds();
    const TransferOutcome outcome = link.Dump();
    const bool done = outcome.result == TransferResult::Done;
    const double cpu = CpuSeconds() - cpuBefore;
    const double seconds = double(wall.elapsed()) / 1000.0;
    receiver.terminate();
    receiver.waitForFinished(2000);

    const bool same = outcome.flash == flash;
    std::printf("paced dump of %zu bytes at %s baud: %s, image %s\n", IMAGE_SIZE, qPrintable(baud),
                done ? "done" : "NOT DONE", same ? "equal" : "DIFFERENT");
    std::printf("wall %.1f s, processor %.2f s: %.2f %% of one core\n", seconds, cpu, 100.0 * cpu / seconds);
    return done && same ? 0 : 1;
}
