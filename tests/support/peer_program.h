#pragma once
// A second program beside the test: this same test program run again for one of
// its own test functions, with an environment of its own, as a second program
// of the installation (or the program under a limit of its own) would run. The
// two speak in lines: what the peer prints after "peer: " is read here, and a
// line sent here is what the peer's awaitLine() gets.
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <iostream>
#include <string>

namespace testsupport {

class PeerProgram {
public:
    PeerProgram(const QString& testFunction, const QList<std::pair<QString, QString>>& environment) {
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : environment)
            variables.insert(name, value);
        process.setProcessEnvironment(variables);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QCoreApplication::applicationFilePath(), {testFunction});
    }
    ~PeerProgram() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    PeerProgram(const PeerProgram&) = delete;
    PeerProgram& operator=(const PeerProgram&) = delete;

    // Waits for the peer to say `line`; false when it ends or the time passes first.
    bool waitFor(const QString& line, int milliseconds = 60000) {
        QElapsedTimer waited;
        waited.start();
        while (!said().contains(line)) {
            if (process.state() == QProcess::NotRunning || waited.elapsed() > milliseconds)
                return false;
            process.waitForReadyRead(100);
            output += process.readAll();
        }
        return true;
    }
    void send(const QByteArray& line) {
        process.write(line + '\n');
        process.waitForBytesWritten();
    }
    // Waits for the peer to end; true when it ended by itself, passing its test.
    bool finish(int milliseconds = 120000) {
        process.closeWriteChannel();
        // waitForFinished() is false for a peer that has already ended.
        const bool ended = process.state() == QProcess::NotRunning || process.waitForFinished(milliseconds);
        output += process.readAll();
        return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    // What the peer said, a line an entry.
    QStringList said() const {
        QStringList lines;
        for (const QString& line : QString::fromUtf8(output).split(u'\n'))
            if (line.startsWith(QStringLiteral("peer: ")))
                lines << line.mid(6);
        return lines;
    }
    // All it printed, its test's log among it, for a failing check to show.
    QByteArray printed() const { return output; }

    QProcess process;

private:
    QByteArray output;
};

// The peer's side: what it says to the test, and the line it waits for.
inline void sayToTest(const QString& line) {
    std::cout << "peer: " << QString(line).replace(u'\n', QStringLiteral(" | ")).toStdString() << std::endl;
}
inline std::string awaitLine() {
    std::string line;
    std::getline(std::cin, line);
    return line;
}

} // namespace testsupport
