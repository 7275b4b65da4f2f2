// Runs a fuzz target over every file of the folders (or files) it is given:
// the seed corpus and the inputs that once broke a promise, replayed by the
// test suite without libFuzzer. A folder that is not there holds no inputs.
#include "harness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
bool runFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = f.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                           static_cast<size_t>(bytes.size()));
    return true;
}
} // namespace

int main(int argc, char** argv) {
    int ran = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            for (const QFileInfo& e : QDir(arg).entryInfoList(QDir::Files, QDir::Name)) {
                if (!runFile(e.filePath())) return 1;
                ++ran;
            }
        } else if (QFileInfo::exists(arg)) {
            if (!runFile(arg)) return 1;
            ++ran;
        }
    }
    std::printf("%d inputs replayed\n", ran);
    // A target with no inputs proves nothing.
    return ran > 0 ? 0 : 1;
}
