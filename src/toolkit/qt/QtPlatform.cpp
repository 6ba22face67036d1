#include "toolkit/qt/QtPlatform.h"

#include "framework/Exceptions.h"
#include "toolkit/qt/QtText.h"
#include "toolkit/qt/QtWindowPeer.h"

#include <QApplication>
#include <QMessageBox>

namespace fw {

Platform& ActivePlatform() { return qtui::QtToolkit(); }

namespace qtui {

namespace {

// The toolkit is handed no command-line arguments: the program takes none,
// and Qt's own options are not for its users. QApplication keeps pointers to
// these for its whole life.
int argumentCount = 1;
char programName[] = "prodotina";
char* arguments[] = {programName, nullptr};

} // namespace

QtPlatform& QtToolkit()
{
    static QtPlatform platform;
    return platform;
}

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() = default;

void QtPlatform::Start()
{
    if (!QApplication::instance()) {
        argumentCount = 1;
        app_ = std::make_unique<QApplication>(argumentCount, arguments);
    }
    // The framework decides when the program ends (its last window closing).
    QApplication::setQuitOnLastWindowClosed(false);
}

void QtPlatform::Stop()
{
    if (!app_)
        return;
    // Peers hand their widgets over for deletion; delete them while Qt is up.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app_.reset();
}

std::unique_ptr<WindowPeer> QtPlatform::CreateWindowPeer(Window& window)
{
    if (!QApplication::instance())
        throw RuntimeException("the window toolkit is not started");
    return std::make_unique<QtWindowPeer>(window);
}

void QtPlatform::Run()
{
    if (!QApplication::instance())
        return;
    running_ = true;
    QApplication::exec();
    running_ = false;
}

void QtPlatform::Quit()
{
    // Outside the loop there is nothing to end (the framework remembers the
    // request), and Qt would end the next modal loop at once instead.
    if (running_)
        QCoreApplication::exit(0);
}

void QtPlatform::ShowMessage(std::string_view text)
{
    if (!QApplication::instance())
        return;
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(text));
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace qtui
} // namespace fw
