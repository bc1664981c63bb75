#include "app/main_window.h"
#include "app/new_user_dialog.h"
#include "app/program_windows.h"
#include "app/sign_on_dialog.h"
#include "app/users_dialog.h"
#include "email/email_tab.h"
#include "scripted_prompter.h"
#include "store/options_record.h"
#include "store/password_scrambler.h"
#include "store/table_definitions.h"
#include "store/table_error.h"
#include "store/table_openers.h"
#include "tiles/editing_panel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>

using namespace linkvale;
using namespace linkvale::testing;

namespace {

const QString kInvalidUser =
    QStringLiteral("You must Enter a Valid User ID or Samples to Continue.");

struct Typed {
    QString user;
    QString password;
};

// One run of the program in a temporary program folder. The sign-on window
// is driven by a script: each entry types a user and password and presses OK,
// an empty entry presses Cancel.
class Program {
public:
    explicit Program(const QString& root) {
        previous_ = QDir::currentPath();
        QDir::setCurrent(root);
        windows = std::make_unique<ProgramWindows>(globals, prompter);
        main().session().signOn = [this] { return signOn(); };
    }
    ~Program() {
        windows->mainWindow().closeAllTables();
        windows.reset();
        QDir::setCurrent(previous_);
    }

    TLinkvale1& main() { return windows->mainWindow(); }

    bool signOn() {
        TDBLogin1& window = windows->signOnWindow();
        window.FormActivate();
        proposed.append({window.UserID->text(), window.Password->text()});
        if (script.empty())
            ADD_FAILURE() << "the sign-on was shown more often than scripted";
        if (script.empty() || !script.front()) {
            if (!script.empty())
                script.pop_front();
            window.CancelBtnClick();
            return false;
        }
        window.UserID->setText(script.front()->user);
        window.Password->setText(script.front()->password);
        script.pop_front();
        window.OKBtnClick();
        return true;
    }

    Globals globals;
    ScriptedPrompter prompter;
    std::unique_ptr<ProgramWindows> windows;
    std::deque<std::optional<Typed>> script;
    QList<Typed> proposed;

private:
    QString previous_;
};

// A program folder whose user table holds the given users.
class SignOnTest : public ::testing::Test {
protected:
    QString root() const { return dir.path(); }
    QString file(const QString& relative) const { return dir.filePath(relative); }

    void addUsers(std::initializer_list<std::tuple<const char*, bool, const char*>> users) {
        RecordRuleState state;
        Tables tables(state);
        Table& table = tables.ClientDataSet1;
        table.setFileName(file(QStringLiteral("Users.cds")));
        if (table.fileExists())
            table.open();
        else
            table.createEmpty();
        for (const auto& [name, usePassword, password] : users) {
            appendUserRecord(table, QString::fromUtf8(name),
                             passwordScrambler().ConvertPassword(QString::fromUtf8(password)),
                             usePassword, QDateTime::currentDateTime());
            QDir().mkdir(file(QString::fromUtf8(name)));
        }
        table.close();
    }

    QTemporaryDir dir;
};

TEST_F(SignOnTest, FirstRunProposesSamplesAndMakesTheUserTableWithIt) {
    Program program(root());
    program.script = {Typed{QStringLiteral("Samples"), QString()}};
    program.main().FormShow();

    ASSERT_EQ(program.proposed.size(), 1);
    EXPECT_EQ(program.proposed[0].user, QStringLiteral("Samples"));
    EXPECT_EQ(program.proposed[0].password, QString());
    for (const char* folder : {"Styles", "Samples", "Bmps", "Images", "Help", "Favorites"})
        EXPECT_TRUE(QDir(file(QLatin1String(folder))).exists()) << folder;
    EXPECT_EQ(program.main().windowTitle(), QStringLiteral("Linkvale 10.1 for Linux - Samples"));
    Table& users = program.main().tables().ClientDataSet1;
    ASSERT_EQ(users.recordCount(), 1);
    EXPECT_EQ(users.text(QStringLiteral("UserName")), QStringLiteral("Samples"));
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Samples/Options.cds"))));
    EXPECT_EQ(program.main().tables().ClientDataSet8.recordCount(), 13);
    EXPECT_FALSE(program.main().state().records.SKIP_FLG);
    EXPECT_FALSE(program.main().state().FIRST_TIME_FLG);
    EXPECT_TRUE(program.prompter.warnings.isEmpty());
    EXPECT_TRUE(program.prompter.errors.isEmpty());
}

TEST_F(SignOnTest, AnUnknownUserIsAskedAgainAndCancelEndsTheProgram) {
    addUsers({{"Guest1", false, ""}});
    Program program(root());
    program.script = {Typed{QStringLiteral("Nobody"), QString()}, std::nullopt};
    program.main().show();
    program.main().FormShow();

    EXPECT_EQ(program.prompter.warnings, (QStringList{kInvalidUser, kInvalidUser}));
    EXPECT_EQ(program.proposed.size(), 2);
    EXPECT_FALSE(program.main().isVisible()) << "the main window closes";
    EXPECT_FALSE(program.main().tables().ClientDataSet2.isOpen());
    EXPECT_FALSE(QDir(file(QStringLiteral("Nobody"))).exists());
}

TEST_F(SignOnTest, NamesAndPasswordsMustMatchInLetterCase) {
    addUsers({{"Guest1", true, "Secret9"}});
    Program program(root());
    program.script = {Typed{QStringLiteral("guest1"), QStringLiteral("Secret9")},
                      Typed{QStringLiteral("Guest1"), QStringLiteral("SECRET9")},
                      Typed{QStringLiteral("Guest1"), QStringLiteral("Secret9")}};
    program.main().FormShow();

    EXPECT_EQ(program.prompter.warnings, (QStringList{kInvalidUser, kInvalidUser}));
    EXPECT_EQ(program.main().windowTitle(), QStringLiteral("Linkvale 10.1 for Linux - Guest1"));
    EXPECT_EQ(program.main().globals().CURRENT_PATH, file(QStringLiteral("Guest1")));
    // The second sign-on proposes what was typed the first time.
    EXPECT_EQ(program.proposed[1].user, QStringLiteral("guest1"));
    EXPECT_EQ(program.proposed[1].password, QStringLiteral("Secret9"));
}

TEST_F(SignOnTest, OptionsIniProposesTheLastUserAndIsWrittenAtClose) {
    addUsers({{"Samples", false, ""}, {"Guest1", false, ""}});
    QFile ini(file(QStringLiteral("Options.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("Guest1\r\n");
    ini.close();
    {
        Program program(root());
        program.script = {Typed{QStringLiteral("Samples"), QString()}};
        program.main().FormShow();
        EXPECT_EQ(program.proposed.at(0).user, QStringLiteral("Guest1"));
        program.main().close();
    }
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("Samples\r\n"));
}

TEST_F(SignOnTest, AUserWithoutOptionsKeepsThePreviousUsersSettings) {
    addUsers({{"Styled", false, ""}, {"Plain", false, ""}});
    {
        Table options(TableDefinitions::options());
        options.setFileName(file(QStringLiteral("Styled/Options.cds")));
        options.createEmpty();
        OptionsValues values;
        values.defaultGroup = QStringLiteral("News");
        values.defaultPriority = QStringLiteral("09-Very Valuable");
        values.runBrowser = false;
        values.tileColor = 0xFF204060;
        values.sourceSearchStart = 40;
        writeOptionsRecord(options, values);
    }
    Program program(root());
    program.script = {Typed{QStringLiteral("Styled"), QString()},
                      Typed{QStringLiteral("Plain"), QString()}};
    program.main().FormShow();
    const MainWindowState& state = program.main().state();
    EXPECT_EQ(state.records.SETCURGROUP, QStringLiteral("News"));
    EXPECT_EQ(state.records.SETCURPRIORITY, QStringLiteral("09-Very Valuable"));
    EXPECT_FALSE(state.RUNBRWSR_FLG);
    EXPECT_EQ(state.FOLDERTILE_CLR, 0xFF204060u);
    EXPECT_EQ(state.HTM_SRCHSTRT, 1) << "set back when the sign-on ends";

    program.globals.USER_ID = QStringLiteral("Plain");
    ASSERT_TRUE(program.main().ChangeUsers());
    EXPECT_EQ(program.main().windowTitle(), QStringLiteral("Linkvale 10.1 for Linux - Plain"));
    EXPECT_EQ(state.records.SETCURGROUP, QStringLiteral("News"));
    EXPECT_FALSE(state.RUNBRWSR_FLG);
    EXPECT_TRUE(program.main().tables().ClientDataSet10.isEmpty());
}

TEST_F(SignOnTest, TheWindowPlacementIsStoredAtCloseAndAppliedAtTheNextSignOn) {
    addUsers({{"Guest1", false, ""}, {"NoOptions", false, ""}});
    {
        Table options(TableDefinitions::options());
        options.setFileName(file(QStringLiteral("Guest1/Options.cds")));
        options.createEmpty();
        writeOptionsRecord(options, OptionsValues{});
    }
    {
        Program program(root());
        program.script = {Typed{QStringLiteral("Guest1"), QString()}};
        program.main().FormShow();
        program.main().move(130, 90);
        program.main().resize(900, 600);
        program.main().close();
    }
    {
        Program program(root());
        program.script = {Typed{QStringLiteral("Guest1"), QString()}};
        EXPECT_EQ(program.main().size(), QSize(1078, 645)) << "the designed size before sign-on";
        program.main().FormShow();
        EXPECT_EQ(program.main().pos(), QPoint(130, 90));
        EXPECT_EQ(program.main().size(), QSize(900, 600));
    }
    {
        // A user without an options record stores no placement.
        Program program(root());
        program.script = {Typed{QStringLiteral("NoOptions"), QString()}};
        program.main().FormShow();
        program.main().close();
    }
    Table options(TableDefinitions::options());
    options.setFileName(file(QStringLiteral("NoOptions/Options.cds")));
    options.open();
    EXPECT_TRUE(options.isEmpty());
}

TEST_F(SignOnTest, ADamagedTableStopsTheOpeningAndIsKeptAsItWas) {
    addUsers({{"Samples", false, ""}});
    const QByteArray garbage("not a table at all");
    for (const char* damaged : {"Samples/Urls.cds", "Users.cds"}) {
        QFile bad(file(QLatin1String(damaged)));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bad.write(garbage);
        bad.close();
        {
            Program program(root());
            program.script = {Typed{QStringLiteral("Samples"), QString()}};
            program.main().FormShow();
            ASSERT_EQ(program.prompter.errors.size(), 1) << damaged;
            EXPECT_TRUE(program.prompter.errors[0].contains(QFileInfo(damaged).fileName()))
                << program.prompter.errors[0].toStdString();
            EXPECT_TRUE(program.main().state().records.SKIP_FLG) << "the record rules stay off";
            program.main().close();
        }
        ASSERT_TRUE(bad.open(QIODevice::ReadOnly));
        EXPECT_EQ(bad.readAll(), garbage) << damaged;
        bad.close();
    }
}

TEST_F(SignOnTest, NewUserValidatesMakesTheFolderAndSignsTheUserOn) {
    Program program(root());
    program.script = {Typed{QStringLiteral("Samples"), QString()}};
    program.main().FormShow();
    TNewUser1& newUser = program.windows->newUserWindow();

    newUser.UserId->setText(QStringLiteral("a/b"));
    newUser.OKBtnClick();
    ASSERT_EQ(program.prompter.warnings.size(), 1);
    EXPECT_TRUE(
        program.prompter.warnings[0].contains(QStringLiteral("cannot be the name of a folder")));
    EXPECT_EQ(program.main().tables().ClientDataSet1.recordCount(), 1);

    newUser.UserId->setText(QStringLiteral("Guest1"));
    newUser.Password->setText(QStringLiteral("pw"));
    newUser.CHKUSEPASSWORD->setChecked(true);
    EXPECT_EQ(program.prompter.warnings.size(), 2) << "checked without a confirmation";
    EXPECT_EQ(program.prompter.warnings.last(),
              QStringLiteral("You must Enter a Valid Password when Selecting Use Password."));
    EXPECT_TRUE(newUser.CHKUSEPASSWORD->isChecked());
    newUser.ConfPassword->setText(QStringLiteral("pw"));
    program.script = {Typed{QStringLiteral("Guest1"), QStringLiteral("pw")}};
    newUser.OKBtnClick();

    EXPECT_EQ(program.proposed.last().user, QStringLiteral("Guest1"));
    EXPECT_EQ(program.proposed.last().password, QStringLiteral("pw"));
    EXPECT_EQ(program.main().windowTitle(), QStringLiteral("Linkvale 10.1 for Linux - Guest1"));
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Guest1/Options.cds"))));
    Table& users = program.main().tables().ClientDataSet1;
    ASSERT_TRUE(users.locate(QStringLiteral("UserName"), QStringLiteral("Guest1")));
    EXPECT_TRUE(users.field(QStringLiteral("UsePassword")).toBool());
    EXPECT_EQ(passwordScrambler().UnConvertPassword(users.text(QStringLiteral("Password"))),
              QStringLiteral("pw"));
}

TEST_F(SignOnTest, UsersWindowListsSwitchesAndDeletesOnlyUsersWithoutBookmarks) {
    addUsers({{"Samples", false, ""}, {"Busy", true, "pw"}, {"Idle", false, ""}});
    {
        Table urls(TableDefinitions::urls());
        urls.setFileName(file(QStringLiteral("Busy/Urls.cds")));
        urls.createEmpty();
        urls.append();
        urls.setField(QStringLiteral("URL"), QStringLiteral("https://example.org/"));
        urls.post();
        urls.close();
    }
    Program program(root());
    program.script = {Typed{QStringLiteral("Samples"), QString()}};
    program.main().FormShow();

    TUsers1* users = program.main().buildUsersWindow();
    users->LoadUserTree();
    QStringList names;
    for (int i = 0; i < users->TreeView1->topLevelItemCount(); ++i)
        names.append(users->TreeView1->topLevelItem(i)->text(0));
    ASSERT_EQ(names.size(), 3);
    EXPECT_TRUE(names[0].startsWith(QStringLiteral("Busy -  Uses Password  - ")));
    EXPECT_TRUE(names[1].startsWith(QStringLiteral("Idle -  No Password  - ")));

    users->DelBtnClick(); // nothing selected: nothing happens
    EXPECT_EQ(program.proposed.size(), 1);

    users->TreeView1->setCurrentItem(users->TreeView1->topLevelItem(0));
    program.script = {Typed{QStringLiteral("Busy"), QStringLiteral("pw")}};
    users->DelBtnClick();
    EXPECT_EQ(program.prompter.warnings.last(),
              QStringLiteral("You Still have Records in the Bookmark Database for this User. "
                             "Delete Bookmarks for this User first."));
    EXPECT_TRUE(program.prompter.questions.isEmpty());

    users->TreeView1->setCurrentItem(users->TreeView1->topLevelItem(1));
    program.script = {Typed{QStringLiteral("Idle"), QString()}};
    program.prompter.answers = {false};
    users->DelBtnClick();
    EXPECT_EQ(program.prompter.questions.last(),
              QStringLiteral("Do You want to Delete User: Idle?"));
    Table& table = program.main().tables().ClientDataSet1;
    EXPECT_TRUE(table.locate(QStringLiteral("UserName"), QStringLiteral("Idle")));

    program.script = {Typed{QStringLiteral("Idle"), QString()}};
    users->DelBtnClick();
    EXPECT_FALSE(table.locate(QStringLiteral("UserName"), QStringLiteral("Idle")));
    EXPECT_TRUE(QDir(file(QStringLiteral("Idle"))).exists()) << "its table files keep the folder";

    users->TreeView1->setCurrentItem(users->TreeView1->topLevelItem(2));
    program.script = {Typed{QStringLiteral("Samples"), QString()}};
    users->OKBtnClick();
    EXPECT_EQ(program.main().windowTitle(), QStringLiteral("Linkvale 10.1 for Linux - Samples"));
    delete users;
    EXPECT_FALSE(program.globals.USERS_FLG);
}

TEST_F(SignOnTest, TheTopBarFollowsTheActiveTab) {
    Program program(root());
    program.script = {Typed{QStringLiteral("Samples"), QString()}};
    TLinkvale1& main = program.main();
    EXPECT_EQ(main.ExpFavBtn->text(), QStringLiteral("Export BookMarks"));
    main.FormShow();
    struct Step {
        int tab;
        const char* import;
        const char* exportText;
        bool add;
        bool source;
    };
    const Step steps[] = {
        {0, "Import Favorites", "Export BookMarks", false, false},
        {3, "Import Favorites", "Export BookMarks", false, false},
        {1, "Import Favorites", "Export Favorites", true, true},
        {3, "Import Favorites", "Export Favorites", false, false},
        {2, "Import Passwords", "Export Passwords", true, true},
        {4, "Import Passwords", "Export Passwords", false, true},
    };
    for (const Step& s : steps) {
        main.TabControl1->setCurrentIndex(s.tab);
        EXPECT_EQ(main.ImpFavBtn->text(), QLatin1String(s.import)) << s.tab;
        EXPECT_EQ(main.ExpFavBtn->text(), QLatin1String(s.exportText)) << s.tab;
        EXPECT_EQ(main.TAddBtn->isEnabled(), s.add) << s.tab;
        EXPECT_EQ(main.THTMLBtn->isEnabled(), s.source) << s.tab;
    }
}

TEST_F(SignOnTest, ResizingTheWindowLaysOutTheSavedEMailTabAgain) {
    Program program(root());
    program.script = {Typed{QStringLiteral("Samples"), QString()}};
    TLinkvale1& main = program.main();
    main.show();
    QCoreApplication::processEvents(); // the first show signs on
    ASSERT_TRUE(program.script.empty());
    main.TabControl1->setCurrentIndex(4);
    QCoreApplication::processEvents();
    const int before = main.TabItem5->Panel6->height();
    main.resize(main.width() + 120, main.height() + 200);
    QCoreApplication::processEvents();
    const int after = main.TabItem5->Panel6->height();
    EXPECT_GT(after, before);
    EXPECT_EQ(main.TabItem5->Memo4->height(), after - 460);
    EXPECT_EQ(main.TabItem5->Edit19->width(), main.TabItem5->Panel6->width() - 235);
}

} // namespace
