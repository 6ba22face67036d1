// What the window shows: its size, title, colours, fonts, menus and the
// model's later changes.
#include "QtTestWindow.h"

#include "framework/PackedList.h"
#include "framework/PropertyList.h"

#include "toolkit/qt/QtMenuBar.h"

#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTest>

namespace {

bool HasPixelOf(const QImage& image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

constexpr void FieldOptions(fw::ListWriter& w)
{
    w.Boolean("Password", true).Boolean("ReadOnly", true).Text("HelpTag", "Il risultato");
    w.Integer("Alignment", 2).Integer("LimitText", 2).Boolean("TabStop", false);
}

constexpr void NoMenuBar(fw::ListWriter& w) { w.Boolean("MenuBarVisible", false); }

} // namespace

TEST_F(QtToolkitTest, TheWindowShowsItsContentSizeTitleAndFrame)
{
    fw::qtui::QtWindowWidget* widget = window->Widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    EXPECT_EQ(widget->windowTitle(), "Prodotina");
    EXPECT_EQ(widget->Content()->size(), QSize(388, 280));
    const int bar = widget->MenuBar()->height();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(widget->Content()->y(), bar);
    EXPECT_EQ(widget->size(), QSize(388, 280 + bar));
    EXPECT_FALSE(widget->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(widget->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(widget->testAttribute(Qt::WA_DeleteOnClose));

    EXPECT_EQ(window->Edit()->geometry(), QRect(133, 139, 100, 31));
    EXPECT_EQ(window->Edit()->parentWidget(), widget->Content());
    EXPECT_EQ(window->Button()->text(), "Inizia");

    // The user makes the window larger: the model hears of the content size.
    widget->resize(420, 300 + bar);
    EXPECT_EQ(window->Width(), 420);
    EXPECT_EQ(window->Height(), 300);
}

TEST_F(QtToolkitTest, BackgroundTextColourAndPixelFontAreApplied)
{
    fw::qtui::QtWindowWidget* widget = window->Widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    const QImage content = widget->Content()->grab().toImage();
    EXPECT_EQ(content.pixelColor(5, 5), QColor(255, 190, 125));
    EXPECT_EQ(content.pixelColor(380, 270), QColor(255, 190, 125));

    QLabel* label = window->Label();
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(HasPixelOf(label->grab().toImage(), QColor(255, 0, 0))) << "no red text drawn";
    EXPECT_EQ(label->font().pixelSize(), 20);
    EXPECT_EQ(label->font().family(), QApplication::font().family()) << "\"System\" is the default family";
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance("Errate"), 74) << "the text must fit its label";
    EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    // A size of 0 is the toolkit's own.
    EXPECT_EQ(window->Button()->font(), QApplication::font(window->Button()));
}

TEST_F(QtToolkitTest, TheMenuBarMirrorsTheMenuTree)
{
    QMenuBar* bar = window->Widget()->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isNativeMenuBar());
    const QList<QAction*> titles = bar->actions();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->text(), "File");
    EXPECT_EQ(titles[1]->text(), "Modifica");

    QStringList items;
    for (QAction* action : titles[1]->menu()->actions())
        items << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(items, QStringList({"Annulla", "-", "Taglia", "Copia", "Incolla", "Elimina", "-", "Seleziona tutto"}));

    EXPECT_EQ(window->Action("FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(window->Action("EditSelectAll")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_TRUE(window->Action("EditClear")->shortcut().isEmpty());
    EXPECT_EQ(fw::qtui::ShortcutFromText("Cmd+Shift+Z"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));

    // A bar set anew is built anew: a disabled item shows disabled, and the
    // new bar takes the old one's place.
    window->GetMenuBar()->Lookup_("EditCopy")->SetAutoEnable(false);
    window->SetMenuBar(window->GetMenuBar());
    EXPECT_FALSE(window->Action("EditCopy")->isEnabled());
    EXPECT_TRUE(window->Action("EditCut")->isEnabled());
    QMenuBar* rebuilt = window->Widget()->MenuBar();
    EXPECT_EQ(rebuilt->geometry(), QRect(0, 0, 388, window->Widget()->Content()->y()));

    // Without its menu bar the window keeps its content size.
    fw::SetProperties_(fw::Ref<fw::Object>(window.get()), fw::PackedList<&NoMenuBar>::View());
    EXPECT_TRUE(rebuilt->isHidden());
    EXPECT_EQ(window->Widget()->Content()->geometry(), QRect(0, 0, 388, 280));
}

TEST_F(QtToolkitTest, ModelChangesReachTheWidgets)
{
    window->label->SetText("7 & <b>8</b>");
    EXPECT_EQ(window->Label()->text(), "7 & <b>8</b>");
    window->button->SetCaption("Salva & esci");
    EXPECT_EQ(window->Button()->text(), "Salva && esci");

    window->button->SetVisible(false);
    EXPECT_TRUE(window->Button()->isHidden());
    window->field->SetEnabled(false);
    EXPECT_FALSE(window->Edit()->isEnabled());

    window->field->SetText("42");
    EXPECT_EQ(window->Edit()->text(), "42");
    window->field->SetText("4x2"); // refused by the model: nothing changes
    EXPECT_EQ(window->Edit()->text(), "42");
    window->field->SetMask("#"); // the text no longer fits and is cleared
    EXPECT_EQ(window->Edit()->text(), "");

    fw::SetProperties_(window->field, fw::PackedList<&FieldOptions>::View());
    QLineEdit* edit = window->Edit();
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->toolTip(), "Il risultato");
    EXPECT_EQ(edit->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(edit->maxLength(), 2);
    EXPECT_FALSE(edit->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(edit->focusPolicy() & Qt::ClickFocus);

    window->SetTitle("Tabelline");
    EXPECT_EQ(window->Widget()->windowTitle(), "Tabelline");
    window->SetVisible(false);
    EXPECT_TRUE(window->Widget()->isHidden());
}
