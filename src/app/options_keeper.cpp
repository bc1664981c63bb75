#include "app/options_keeper.h"

#include "app/style_sheet.h"
#include "store/filter_expression.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace linkvale {

OptionsKeeper::OptionsKeeper(Globals& globals, MainWindowState& state, Tables& tables,
                             QWidget& mainWindow)
    : globals_(globals), state_(state), tables_(tables), mainWindow_(mainWindow) {}

void OptionsKeeper::ApplyOptions() {
    const OptionsRecord r = readOptionsRecord(tables_.ClientDataSet10);
    if (r.styleLocation)
        state_.STYLE_NAME = *r.styleLocation;
    if (r.runBrowser)
        state_.RUNBRWSR_FLG = *r.runBrowser;
    if (r.horizontalGrid)
        state_.HGRIDLINES_FLG = *r.horizontalGrid;
    if (r.runLists)
        globals_.RUNLIST_FLG = *r.runLists;
    if (r.urlIcon)
        globals_.ICONURL_FILE = *r.urlIcon;
    if (r.passwordIcon)
        globals_.ICONPASS_FILE = *r.passwordIcon;
    if (r.listIcon)
        globals_.ICONLIST_FILE = *r.listIcon;
    if (r.receivedEmailIcon)
        globals_.ICONEMLR_FILE = *r.receivedEmailIcon;
    if (r.sentEmailIcon)
        globals_.ICONEMLS_FILE = *r.sentEmailIcon;
    applyStyleFile(state_.STYLE_PATH + state_.STYLE_NAME);
    if (r.winLeft)
        state_.WINLEFT = *r.winLeft;
    if (r.winTop)
        state_.WINTOP = *r.winTop;
    if (r.winHeight)
        state_.WINHEIGHT = *r.winHeight;
    if (r.winWidth)
        state_.WINWIDTH = *r.winWidth;
    placeMainWindow();
    if (r.startUrl && RunBrowser)
        RunBrowser(*r.startUrl);
    if (r.startList)
        openStartList(*r.startList);
    if (r.defaultGroup)
        state_.records.SETCURGROUP = *r.defaultGroup;
    if (r.defaultPriority)
        state_.records.SETCURPRIORITY = *r.defaultPriority;
    if (r.networkUserName)
        state_.IPUSER_NAME = *r.networkUserName;
    if (r.tileColor)
        state_.FOLDERTILE_CLR = *r.tileColor;
    if (r.tileTextColor)
        state_.DETAILTILE_CLR = *r.tileTextColor;
    if (r.showQuickTips)
        state_.DSPQCKTPS_FLG = *r.showQuickTips;
    if (r.sourceSearchStart)
        state_.HTM_SRCHSTRT = *r.sourceSearchStart;
    if (r.favoritesPath)
        state_.FAVORITE_PATH = *r.favoritesPath;
    if (refreshOptionsWindow)
        refreshOptionsWindow();
    if (SetGridColor)
        SetGridColor();
}

void OptionsKeeper::placeMainWindow() {
    // A user whose record never stored a placement keeps the window as it is.
    if (state_.WINWIDTH == 0 && state_.WINHEIGHT == 0)
        return;
    placeWindow(mainWindow_, state_.WINLEFT, state_.WINTOP, state_.WINHEIGHT, state_.WINWIDTH);
}

void OptionsKeeper::openStartList(const QString& listName) {
    Table& lists = tables_.ClientDataSet4;
    Table& members = tables_.ClientDataSet5;
    if (!lists.isOpen() || !members.isOpen() || !lists.locate(QStringLiteral("ListName"), listName))
        return;
    members.setFilter(QStringLiteral("[ListName] = ") + quoteFilterValue(listName));
    if (!RunBrowser)
        return;
    for (members.first(); !members.atEnd(); members.next())
        RunBrowser(members.text(QStringLiteral("URLLocation")));
}

void OptionsKeeper::UpDateOptionsFile(OptionsValues values) {
    values.styleLocation = state_.STYLE_NAME;
    values.runBrowser = state_.RUNBRWSR_FLG;
    values.horizontalGrid = state_.HGRIDLINES_FLG;
    values.defaultGroup = state_.records.SETCURGROUP;
    values.defaultPriority = state_.records.SETCURPRIORITY;
    values.networkUserName = state_.IPUSER_NAME;
    values.tileColor = state_.FOLDERTILE_CLR;
    values.tileTextColor = state_.DETAILTILE_CLR;
    values.showQuickTips = state_.DSPQCKTPS_FLG;
    values.sourceSearchStart = state_.HTM_SRCHSTRT;
    values.favoritesPath = state_.FAVORITE_PATH;
    writeOptionsRecord(tables_.ClientDataSet10, values);
}

void OptionsKeeper::UpDatePositions() {
    Table& options = tables_.ClientDataSet10;
    if (!options.isOpen() || !options.fileExists())
        return;
    writeWindowPlacement(options,
                         {state_.WINLEFT, state_.WINTOP, state_.WINHEIGHT, state_.WINWIDTH});
}

void placeWindow(QWidget& window, int left, int top, int height, int width) {
    if (width > 0 && height > 0)
        window.resize(width, height);
    const QRect wanted(left, top, window.width(), window.height());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(wanted)) {
            window.move(left, top);
            return;
        }
    }
}

} // namespace linkvale
