#pragma once
// A private CUPS scheduler for print tests: its configuration, spool, logs and
// socket live in a fresh temporary folder, and its one queue, the default,
// writes each job's PDF unchanged to a file there. No printer of the machine
// is touched.
//
// start() must run before anything in the process asks for a printer: it
// points this process's CUPS clients (Qt's print support included) at the
// private scheduler through CUPS_SERVER, HOME and CUPS_SERVERROOT.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace sueldara::test {

class CupsServer {
public:
    static constexpr const char* kQueue = "testpdf";

    CupsServer();
    ~CupsServer();  // stops the scheduler

    // Starts cupsd, creates the queue and makes it the default. On failure
    // error() says what went wrong.
    bool start();
    void stop();
    bool running() const;
    const QString& error() const { return error_; }

    QString dir() const;
    QString socket() const;     // the scheduler's unix socket
    QString outputPdf() const;  // where the queue's device writes

    // Waits until the scheduler has no job left and the output file is
    // written; false (with error()) when that does not happen within the
    // deadline.
    bool waitForOutput(int deadlineMs = 30000);

    // Runs a CUPS client against this scheduler; its output, or empty with
    // error() set on failure.
    QString client(const QString& program, const QStringList& arguments);

private:
    bool fail(const QString& what);

    std::unique_ptr<QTemporaryDir> dir_;
    QProcess cupsd_;
    QString error_;
};

}  // namespace sueldara::test
