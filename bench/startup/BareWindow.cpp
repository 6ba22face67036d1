// The floor that Prodotina's start-up and memory are measured against: a
// plain Qt Widgets program of the same shape, written directly against Qt
// with nothing in between.
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace {

QLabel* Label(QWidget* parent, const char* text, int left, int top, int width, Qt::Alignment align, QColor colour)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(left, top, width, 36);
    label->setAlignment(align | Qt::AlignTop);
    QFont font = label->font();
    font.setPixelSize(20);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

int main()
{
    int argc = 1;
    char name[] = "bare";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle("Bare");
    QMenu* file = window.menuBar()->addMenu("File");
    file->addAction("Esci", QKeySequence("Ctrl+Q"), &app, &QApplication::quit);
    QMenu* edit = window.menuBar()->addMenu("Modifica");
    edit->addAction("Annulla", QKeySequence("Ctrl+Z"));
    edit->addSeparator();
    edit->addAction("Taglia", QKeySequence("Ctrl+X"));
    edit->addAction("Copia", QKeySequence("Ctrl+C"));
    edit->addAction("Incolla", QKeySequence("Ctrl+V"));
    edit->addAction("Elimina");
    edit->addSeparator();
    edit->addAction("Seleziona tutto", QKeySequence("Ctrl+A"));

    auto* content = new QWidget;
    content->setFixedSize(388, 280);
    content->setAutoFillBackground(true);
    QPalette background = content->palette();
    background.setColor(QPalette::Window, QColor(255, 190, 125));
    content->setPalette(background);
    window.setCentralWidget(content);

    const QColor black(0, 0, 0), red(255, 0, 0);
    Label(content, "0", 79, 44, 100, Qt::AlignRight, black);
    Label(content, "0", 79, 91, 100, Qt::AlignRight, black);
    Label(content, "X", 216, 44, 100, Qt::AlignLeft, black);
    Label(content, "=", 209, 91, 100, Qt::AlignLeft, black);
    Label(content, "Esatte", 37, 14, 74, Qt::AlignLeft, black);
    Label(content, "X", 123, 14, 32, Qt::AlignLeft, black);
    Label(content, "X", 336, 14, 32, Qt::AlignLeft, red);
    Label(content, "Errate", 250, 14, 74, Qt::AlignLeft, red);

    auto* field = new QLineEdit(content);
    field->setGeometry(133, 139, 100, 31);
    field->setEnabled(false);
    field->setInputMask("");
    QFont fieldFont = field->font();
    fieldFont.setPixelSize(20);
    field->setFont(fieldFont);

    auto* start = new QPushButton("Inizia", content);
    start->setGeometry(106, 193, 155, 25);
    auto* check = new QPushButton("Controlla", content);
    check->setGeometry(143, 192, 80, 28);
    check->hide();
    auto* stop = new QPushButton("Termina", content);
    stop->setGeometry(143, 232, 87, 28);
    stop->hide();

    window.show();
    return app.exec();
}
