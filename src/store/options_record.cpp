#include "options_record.h"

#include <QFile>
#include <QSaveFile>

namespace linkvale {

namespace {

std::optional<QString> filledText(const Table& t, const QString& name) {
    if (t.isNull(name))
        return std::nullopt;
    const QString value = t.text(name);
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

std::optional<QString> trimmedText(const Table& t, const QString& name) {
    const QString value = t.text(name).trimmed();
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

std::optional<bool> flag(const Table& t, const QString& name) {
    if (t.isNull(name))
        return std::nullopt;
    return t.field(name).toBool();
}

std::optional<int> number(const Table& t, const QString& name) {
    if (t.isNull(name))
        return std::nullopt;
    return t.field(name).toInt();
}

std::optional<quint32> colour(const Table& t, const QString& name) {
    if (t.isNull(name))
        return std::nullopt;
    // Stored as a 64-bit number; negative values written by 32-bit signed
    // code still name the same ARGB colour.
    return static_cast<quint32>(t.field(name).toLongLong() & 0xFFFFFFFF);
}

void startEditingFirstRecord(Table& options) {
    options.setSortKey(QStringLiteral("ID"));
    options.first();
    options.edit();
}

} // namespace

OptionsRecord readOptionsRecord(const Table& t) {
    OptionsRecord r;
    if (!t.isNull(QStringLiteral("StyleLocation")))
        r.styleLocation = t.text(QStringLiteral("StyleLocation"));
    r.runBrowser = flag(t, QStringLiteral("UseVertGrid"));
    r.horizontalGrid = flag(t, QStringLiteral("UseHorzGrid"));
    r.runLists = flag(t, QStringLiteral("RunList"));
    r.urlIcon = trimmedText(t, QStringLiteral("URLIconPath"));
    r.passwordIcon = trimmedText(t, QStringLiteral("PasswordIconPath"));
    r.listIcon = trimmedText(t, QStringLiteral("ListIconPath"));
    r.receivedEmailIcon = trimmedText(t, QStringLiteral("EMailRecvIconPath"));
    r.sentEmailIcon = trimmedText(t, QStringLiteral("EMailSentIconPath"));
    r.winLeft = number(t, QStringLiteral("WinLeft"));
    r.winTop = number(t, QStringLiteral("WinTop"));
    r.winHeight = number(t, QStringLiteral("WinHeight"));
    r.winWidth = number(t, QStringLiteral("WinWidth"));
    r.startUrl = filledText(t, QStringLiteral("StartURL"));
    r.startList = filledText(t, QStringLiteral("StartList"));
    r.defaultGroup = filledText(t, QStringLiteral("DefltGroup"));
    r.defaultPriority = filledText(t, QStringLiteral("DefltPriority"));
    r.networkUserName = filledText(t, QStringLiteral("IPUserName"));
    r.tileColor = colour(t, QStringLiteral("TileBkgClr"));
    r.tileTextColor = colour(t, QStringLiteral("TileDtlBkgClr"));
    r.showQuickTips = flag(t, QStringLiteral("DspQckTps"));
    r.sourceSearchStart = number(t, QStringLiteral("NumGMails"));
    if (!t.isNull(QStringLiteral("FavoritePath")))
        r.favoritesPath = t.text(QStringLiteral("FavoritePath"));
    return r;
}

void writeOptionsRecord(Table& options, const OptionsValues& v) {
    options.setSortKey(QStringLiteral("ID"));
    if (options.isEmpty())
        options.append();
    else
        startEditingFirstRecord(options);
    options.setField(QStringLiteral("StyleLocation"), v.styleLocation);
    options.setField(QStringLiteral("UseVertGrid"), v.runBrowser);
    options.setField(QStringLiteral("UseHorzGrid"), v.horizontalGrid);
    options.setField(QStringLiteral("StartURL"), v.startUrl);
    options.setField(QStringLiteral("StartList"), v.startList);
    options.setField(QStringLiteral("URLIconPath"), v.urlIcon);
    options.setField(QStringLiteral("PasswordIconPath"), v.passwordIcon);
    options.setField(QStringLiteral("ListIconPath"), v.listIcon);
    options.setField(QStringLiteral("EMailRecvIconPath"), v.receivedEmailIcon);
    options.setField(QStringLiteral("EMailSentIconPath"), v.sentEmailIcon);
    options.setField(QStringLiteral("FrmEMailAddr"), v.fromEmailAddress);
    options.setField(QStringLiteral("FillEMailTo"), v.stopUrlsFromReloading);
    options.setField(QStringLiteral("RunList"), v.runLists);
    options.setField(QStringLiteral("DefltGroup"), v.defaultGroup);
    options.setField(QStringLiteral("DefltPriority"), v.defaultPriority);
    options.setField(QStringLiteral("IPUserName"), v.networkUserName);
    options.setField(QStringLiteral("TileBkgClr"), static_cast<qint64>(v.tileColor));
    options.setField(QStringLiteral("TileDtlBkgClr"), static_cast<qint64>(v.tileTextColor));
    options.setField(QStringLiteral("DspQckTps"), v.showQuickTips);
    options.setField(QStringLiteral("NumGMails"), v.sourceSearchStart);
    options.setField(QStringLiteral("FavoritePath"), v.favoritesPath);
    options.post();
    options.save();
}

bool writeWindowPlacement(Table& options, const WindowPlacement& p) {
    options.setSortKey(QStringLiteral("ID"));
    if (options.isEmpty())
        return false;
    startEditingFirstRecord(options);
    options.setField(QStringLiteral("WinLeft"), p.left);
    options.setField(QStringLiteral("WinTop"), p.top);
    options.setField(QStringLiteral("WinHeight"), p.height);
    options.setField(QStringLiteral("WinWidth"), p.width);
    options.post();
    options.save();
    return true;
}

bool LoadLastUser(const QString& iniPath, QString& lastUser) {
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray line = file.readLine(4096);
    if (line.isEmpty() && file.error() != QFileDevice::NoError)
        return false;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3); // a byte-order mark left by a text editor
    lastUser = QString::fromUtf8(line);
    return true;
}

bool SaveLastUser(const QString& iniPath, const QString& lastUser) {
    QSaveFile file(iniPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(lastUser.toUtf8() + "\r\n");
    return file.commit();
}

} // namespace linkvale
