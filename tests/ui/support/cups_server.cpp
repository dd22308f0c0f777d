#include "cups_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cstdlib>

namespace sueldara::test {

namespace {

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(text.toUtf8()) >= 0;
}

// A PPD whose one filter passes PDF through unchanged to the device.
const char* const kPpd = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TESTPDF.PPD"
*Manufacturer: "Sueldara"
*Product: "(Test PDF)"
*ModelName: "Sueldara Test PDF"
*ShortNickName: "Sueldara Test PDF"
*NickName: "Sueldara Test PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/pdf 0 gziptoany"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)PPD";

}  // namespace

CupsServer::CupsServer() = default;

CupsServer::~CupsServer() { stop(); }

QString CupsServer::dir() const { return dir_ ? dir_->path() : QString(); }
QString CupsServer::socket() const { return dir() + QStringLiteral("/cups.sock"); }
QString CupsServer::outputPdf() const { return dir() + QStringLiteral("/out.pdf"); }
bool CupsServer::running() const { return cupsd_.state() == QProcess::Running; }

bool CupsServer::fail(const QString& what) {
    error_ = what;
    if (dir_) {
        QFile log(dir() + QStringLiteral("/log/error_log"));
        if (log.open(QIODevice::ReadOnly))
            error_ += QStringLiteral("\ncupsd error_log:\n") + QString::fromLocal8Bit(log.readAll().right(2000));
    }
    return false;
}

bool CupsServer::start() {
    const QString cupsdPath = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/sbin"});
    if (cupsdPath.isEmpty())
        return fail(QStringLiteral("cupsd was not found (Debian package cups; scripts/install-deps brings it)"));
    for (const char* tool : {"lpadmin", "lpstat"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool), {"/usr/sbin", "/usr/bin"}).isEmpty())
            return fail(QStringLiteral("%1 was not found (Debian package cups-client)").arg(QLatin1String(tool)));

    // A short path: the socket's name must fit a unix socket address.
    dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/sueldara-cups-XXXXXX"));
    if (!dir_->isValid()) return fail(QStringLiteral("cannot create a temporary folder"));
    const QString d = dir();
    QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                 QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                 QFileDevice::ExeOther);
    for (const char* sub : {"state", "cache", "spool", "tmp", "log", "home"})
        if (!QDir(d).mkpath(QString::fromLatin1(sub))) return fail(QStringLiteral("cannot create %1").arg(sub));

    const QString files = QStringLiteral(
                              "ServerRoot %1\n"
                              "StateDir %1/state\n"
                              "CacheDir %1/cache\n"
                              "RequestRoot %1/spool\n"
                              "TempDir %1/tmp\n"
                              "AccessLog %1/log/access_log\n"
                              "ErrorLog %1/log/error_log\n"
                              "PageLog %1/log/page_log\n"
                              "Printcap %1/printcap\n"
                              "FileDevice Yes\n")
                              .arg(d);
    const QString conf = QStringLiteral(
                             "Listen %1\n"
                             "LogLevel warn\n"
                             "Browsing No\n"
                             "DefaultAuthType None\n"
                             "DefaultPolicy open\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy open>\n"
                             "  JobPrivateAccess all\n  JobPrivateValues none\n"
                             "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                             "  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n"
                             "</Policy>\n")
                             .arg(socket());
    if (!writeFile(d + QStringLiteral("/cups-files.conf"), files) ||
        !writeFile(d + QStringLiteral("/cupsd.conf"), conf) ||
        !writeFile(d + QStringLiteral("/test.ppd"), QString::fromLatin1(kPpd)))
        return fail(QStringLiteral("cannot write the scheduler's configuration"));

    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(cupsdPath, {QStringLiteral("-f"), QStringLiteral("-c"), d + QStringLiteral("/cupsd.conf"),
                             QStringLiteral("-s"), d + QStringLiteral("/cups-files.conf")});
    if (!cupsd_.waitForStarted(10000)) return fail(QStringLiteral("cupsd did not start: ") + cupsd_.errorString());

    // The scheduler is ready once it answers on its socket.
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(socket()) ||
           !client(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(QStringLiteral("scheduler is running"))) {
        if (!running())
            return fail(QStringLiteral("cupsd ended at start: ") + QString::fromLocal8Bit(cupsd_.readAll()));
        if (clock.elapsed() > 20000) return fail(QStringLiteral("cupsd does not answer on ") + socket());
        QThread::msleep(20);
    }
    error_.clear();

    if (client(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), QString::fromLatin1(kQueue), QStringLiteral("-E"), QStringLiteral("-v"),
                QStringLiteral("file://") + outputPdf(), QStringLiteral("-P"), d + QStringLiteral("/test.ppd")})
            .isNull() ||
        client(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QString::fromLatin1(kQueue)}).isNull())
        return false;

    // This process's CUPS clients talk to the private scheduler only, and no
    // user or machine default beats its default queue.
    setenv("CUPS_SERVER", socket().toLocal8Bit().constData(), 1);
    setenv("CUPS_SERVERROOT", d.toLocal8Bit().constData(), 1);
    setenv("HOME", (d + QStringLiteral("/home")).toLocal8Bit().constData(), 1);
    unsetenv("LPDEST");
    unsetenv("PRINTER");
    return true;
}

QString CupsServer::client(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));  // messages the caller can read
    env.insert(QStringLiteral("CUPS_SERVERROOT"), dir());
    env.insert(QStringLiteral("HOME"), dir() + QStringLiteral("/home"));
    process.setProcessEnvironment(env);
    QStringList args{QStringLiteral("-h"), socket()};
    args += arguments;
    process.start(program, args);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        fail(QStringLiteral("%1 %2 failed: %3")
                 .arg(program, args.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAll())));
        return QString();
    }
    const QString out = QString::fromLocal8Bit(process.readAll());
    return out.isNull() ? QStringLiteral("") : out;
}

bool CupsServer::waitForOutput(int deadlineMs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const QString jobs = client(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        const QFileInfo out(outputPdf());
        if (!jobs.isNull() && jobs.trimmed().isEmpty() && out.exists() && out.size() > 0) return true;
        if (!running()) return fail(QStringLiteral("cupsd ended while printing"));
        if (clock.elapsed() > deadlineMs)
            return fail(QStringLiteral("the job did not come out; queue: ") + jobs);
        QThread::msleep(20);
    }
}

void CupsServer::stop() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(5000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }
}

}  // namespace sueldara::test
