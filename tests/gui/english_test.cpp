// The program in English: no text a person sees is left German, each window's access keys are
// its own, the dialogs still fit the smallest screen, and saved files do not depend on the
// language.
#include "gui_fixture.h"

#include "app/frm_axis.h"
#include "app/frm_curves.h"
#include "app/start.h"
#include "calibration/frm_calib.h"
#include "calibration/frm_level.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"
#include "guidance/help_pages.h"
#include "guidance/instruction_text.h"
#include "speaker/frm_thiele_small.h"
#include "text/language.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QXmlStreamReader>

#include <set>

namespace terzlab::test {

namespace {

// The catalogue's texts: those English shows otherwise, and those it keeps as they are.
std::map<QString, bool> catalogueTexts() {
    QFile file(QStringLiteral(TERZLAB_CATALOGUE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    // lupdate keeps a CR as an element of its own.
    QXmlStreamReader xml(file.readAll().replace("<byte value=\"xd\"/>", "&#13;"));
    std::map<QString, bool> translated;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        if (xml.name() == QLatin1String("translation"))
            translated[source] = xml.readElementText() != source;
    }
    return translated;
}

// The captions of the widget and of every child a person can see, menus and lists included;
// those that can carry an access key are also added to `access`.
QStringList visibleTexts(QWidget* top, QStringList& access) {
    QStringList texts{top->windowTitle(), top->toolTip()};
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        auto* menu = qobject_cast<QMenu*>(widget);
        if (!widget->isVisibleTo(top) && !menu) continue;
        QString caption = menu ? menu->title() : QString();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) access << button->text();
        if (auto* label = qobject_cast<QLabel*>(widget)) access << label->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget)) access << group->title();
        texts << caption << widget->toolTip();
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            texts << action->text() << action->toolTip();
        if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (auto* table = qobject_cast<QTableWidget*>(widget))
            for (int column = 0; column < table->columnCount(); ++column) {
                texts << table->horizontalHeaderItem(column)->text();
                for (int row = 0; row < table->rowCount(); ++row)
                    texts << table->item(row, column)->text();
            }
    }
    return texts + access;
}

// Letters marked with "&" that more than one caption claims.
QStringList clashingAccessKeys(const QStringList& captions) {
    std::map<QChar, int> count;
    for (const QString& caption : captions) {
        const int at = caption.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (at >= 0) ++count[caption.at(at + 1).toLower()];
    }
    QStringList clashes;
    for (const auto& [letter, times] : count)
        if (times > 1) clashes << QString(letter);
    return clashes;
}

// The one-line captions of labels, tick boxes and radio buttons that need more room than their
// control has, with what they need and have (pixels).
QStringList clippedCaptions(QWidget* top) {
    QStringList clipped;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(top) || widget->window() != top) continue;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap())
            caption = label->text();
        if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
            caption = static_cast<QAbstractButton*>(widget)->text();
        if (caption.isEmpty() || widget->sizeHint().width() <= widget->width()) continue;
        clipped << QStringLiteral("%1 \"%2\" needs %3, has %4")
                       .arg(widget->objectName(), caption)
                       .arg(widget->sizeHint().width())
                       .arg(widget->width());
    }
    return clipped;
}

// What one window or dialog shows: its texts, the captions that hold its access keys (menu
// bar titles included), each menu's items, the captions cut off, and whether it fits an
// 800 x 600 screen with its frame (borders and title bar).
struct Shown {
    std::string name;
    QStringList texts{}, access{};
    std::vector<QStringList> menus{};
    QStringList clipped{};
    bool fits = true;
};

Shown shownBy(QWidget* top) {
    Shown shown{.name = top->objectName().toStdString()};
    shown.texts = visibleTexts(top, shown.access);
    shown.clipped = clippedCaptions(top);
    if (auto* main = qobject_cast<QMainWindow*>(top)) {
        for (QAction* menu : main->menuBar()->actions())
            shown.access << menu->text();
        for (QMenu* menu : main->findChildren<QMenu*>()) {
            shown.menus.emplace_back();
            for (QAction* action : menu->actions())
                if (action->isVisible()) shown.menus.back() << action->text();
        }
        return shown;
    }
    const QRect screen(QPoint(0, 0), QSize(800, 600) - QSize(16, 40));
    shown.fits = screen.contains(QRect(QPoint(0, 0), top->frameGeometry().size()));
    return shown;
}

// No letter marked with "&" has two owners: not among a window's menu titles, labels and
// buttons, nor among one menu's items.
void expectOwnAccessKeys(const Shown& window) {
    EXPECT_EQ(clashingAccessKeys(window.access).join(u' ').toStdString(), "") << window.name;
    for (const QStringList& menu : window.menus)
        EXPECT_EQ(clashingAccessKeys(menu).join(u' ').toStdString(), "")
            << window.name << ": " << menu.join(u' ').toStdString();
}

class EnglishTest : public GuiTest {
  protected:
    void TearDown() override {
        GuiTest::TearDown();
        text::InstallLanguage(text::Language::German);
    }

    void restartIn(text::Language language) {
        fileDialog.reset(); // before the window it belongs to
        window.reset();
        text::InstallLanguage(language);
        ASSERT_NO_FATAL_FAILURE(loadWithProgramStimuli());
        choose(window->cmbMeasType, IndexOf(MeasType::ImpedanceTwoChannel));
        window->cmdStart->click();
    }

    // The window after a run, every dialog, and the boxes the calibration command shows.
    std::vector<Shown> showEverything(text::Language language) {
        restartIn(language);
        std::vector<Shown> shown{shownBy(window.get())};
        emit window->mnuSpecial->aboutToShow(); // enables the command after the run
        window->mnuThieleSmall->trigger();      // before the calibration takes the result
        std::vector<QPointer<QDialog>> dialogs;
        for (QDialog* child : window->findChildren<QDialog*>()) // the class has no meta object
            if (auto* ts = dynamic_cast<speaker::frmThieleSmall*>(child)) {
                EXPECT_GT(ts->tblParams->rowCount(), 0) << "the bench's loudspeaker's figures";
                ts->cmdCopy->click(); // the copied table is read with the boxes
                dialogs.push_back(ts);
            }
        EXPECT_EQ(dialogs.size(), 1u) << "the Thiele-Small dialog";
        dialogs.insert(dialogs.end(), {calibration::frmLevel::open(*window, boxes),
                                       calibration::frmCalib::open(*window, boxes),
                                       window->mnuAxis_Click(), window->mnuCurves_Click()});
        guidance::DialogState state;
        float resistor = 10.0f;
        for (int mode = 0; mode <= guidance::kLastInstructionMode * 3 + 2; ++mode) {
            state.DialogPage = static_cast<int16_t>(guidance::kInstructionPageBase + mode / 3);
            const MeasType type = *MeasTypeOf(std::min(mode / 3, 4));
            dialogs.push_back(
                new guidance::frmMeas(state, {type, 0, int16_t(mode % 3), &resistor}));
        }
        for (int16_t page : {0, 5, 10, 15}) {
            state = {page, page == 0};
            dialogs.push_back(new guidance::frmHelp(state, nullptr, page == 15));
        }
        dialogs.push_back(&openFileDialog(0));
        for (const QPointer<QDialog>& dialog : dialogs) {
            dialog->show();
            shown.push_back(shownBy(dialog));
            if (dialog->parent() == nullptr && dialog != fileDialog.get()) delete dialog.data();
        }
        boxes.clear();
        window->mnuCalib_Click();
        Shown boxTexts{.name = "boxes, the copied table",
                       .texts = {QGuiApplication::clipboard()->text()}};
        for (const auto& box : boxes.boxes())
            boxTexts.texts << box.text << box.title;
        shown.push_back(boxTexts);
        // The captions that change with the type (the stop box's count, the sweep's fields).
        for (int type = 0; type < kMeasTypeCount; ++type) {
            choose(window->cmbMeasType, type);
            shown.push_back({.name = "frmMain type " + std::to_string(type),
                             .clipped = clippedCaptions(window.get())});
        }
        return shown;
    }
};

// A text is left German when the German program shows it too and the catalogue does not keep it
// as it is, or when it holds a German text of the catalogue of eight or more characters (a
// sentence with a value filled in, or a value such as "16384 Werte" filled into English).
// Every dialog fits the smallest screen and every access key has one owner, in both languages.
TEST_F(EnglishTest, WindowAndDialogsSpeakEnglishWithTheirOwnAccessKeysAndFitTheScreen) {
    const std::map<QString, bool> catalogue = catalogueTexts();
    std::set<QString> german;
    // Names, units and words that English shares, left out of the catalogue: one a line.
    std::set<QString> same;
    for (const QString& text :
         QString::fromStdString(readFile(TERZLAB_TEST_DATA "/english_shared_texts.txt"))
             .split(u'\n', Qt::SkipEmptyParts))
        same.insert(text);
    for (const Shown& window : showEverything(text::Language::German)) {
        EXPECT_TRUE(window.fits) << window.name;
        EXPECT_EQ(window.clipped.join(u'|').toStdString(), "") << window.name;
        expectOwnAccessKeys(window);
        for (const QString& text : window.texts)
            if (text.contains(QRegularExpression(QStringLiteral("[a-zäöüß]{2}"))) &&
                !text.startsWith(u'/') && !same.count(text) &&
                !(catalogue.count(text) && !catalogue.at(text)))
                german.insert(text);
    }
    for (const auto& [source, translated] : catalogue)
        if (translated && source.size() >= 8 && !source.contains(u'%')) german.insert(source);
    for (const Shown& window : showEverything(text::Language::English)) {
        SCOPED_TRACE(window.name);
        QStringList left;
        for (const QString& text : window.texts)
            for (const QString& sentence : german)
                if (text == sentence || (sentence.size() >= 8 && text.contains(sentence))) {
                    left << text;
                    break;
                }
        EXPECT_EQ(left.join(u'|').toStdString(), "");
        EXPECT_EQ(window.clipped.join(u'|').toStdString(), "");
        expectOwnAccessKeys(window);
        EXPECT_TRUE(window.fits);
    }
}

// The same measurement saved from a German and from an English window with the same title:
// the same bytes.
TEST_F(EnglishTest, SavedFilesAreTheSameInBothLanguages) {
    std::string saved[2];
    for (const text::Language language : {text::Language::German, text::Language::English}) {
        restartIn(language);
        app::frmSel& dialog = openFileDialog(app::sel::kSave);
        dialog.cmbInfoTyp->setCurrentIndex(2);
        dialog.txtInfo[0]->setText(QStringLiteral("probe"));
        dialog.txtInfo[1]->setText(QStringLiteral("Box A"));
        dialog.cmdDisp_Click();
        saved[language == text::Language::English] = contents(QStringLiteral("probe.oct"));
    }
    EXPECT_FALSE(saved[0].empty());
    EXPECT_EQ(saved[0], saved[1]);
}

// The Help menu's choice waits for the next start: the window keeps its language, the
// settings file remembers the choice, and the next start reads it.
TEST_F(EnglishTest, TheHelpMenuChoiceTakesEffectAtTheNextStart) {
    restartIn(text::Language::German);
    window->findChild<QAction*>(QStringLiteral("mnuLanguage_en"))->trigger();
    expectBoxesAsGolden();
    EXPECT_EQ(window->mnuHelp->title(), QStringLiteral("&Hilfe"));
    window->Form_Unload();
    EXPECT_NE(contents(QStringLiteral("Terzlab.def")).find("\r\nLanguage=en\r\n"),
              std::string::npos);
    EXPECT_EQ(app::startLanguage({}, filePath(QStringLiteral("terzlab"))), text::Language::English);
}

} // namespace

} // namespace terzlab::test
