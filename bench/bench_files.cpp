// Saving and loading one design: the record image alone, and the whole save
// plus load of the main window's fields and settings through a file on disk.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "files/DesignRecord.h"
#include "ui/DesignFiles.h"
#include "ui/frmKestrel.h"

namespace {

void BM_RecordImageRoundTrip(benchmark::State& st) {
    kestrel::designfile::DesignRecord r;
    r.values = {38.5f, 24, 8, 12.5f, 16.5f, -5, 30, 37, 40, 50};
    r.project = "Project Info";
    r.unit = "GHz";
    for (auto _ : st) {
        const auto image = kestrel::designfile::writeRecords(r);
        benchmark::DoNotOptimize(kestrel::designfile::readRecords(*image));
    }
}
BENCHMARK(BM_RecordImageRoundTrip);

void BM_SaveAndLoadDesign(benchmark::State& st) {
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        frmKestrel w;
        w.show();
        QApplication::processEvents();
        // The window's own, with every setting of the extension.
        kestrel::ui::DesignFiles& files = w.designFiles();
        for (auto _ : st) {
            files.save(QStringLiteral("bench"));
            files.load(QStringLiteral("bench.kst"));
        }
    }
    QDir::setCurrent(old);
}
BENCHMARK(BM_SaveAndLoadDesign)->Unit(benchmark::kMicrosecond);

} // namespace
