#pragma once

#include "tiles/record_tab.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;

namespace linkvale {

class EditingPanel;

// The Internet tab: the Favorites folder on disk as tiles, beside the panel
// that adds folders, groups and search engines.
class InternetTab : public RecordTab {
    Q_OBJECT
public:
    explicit InternetTab(QWidget* parent = nullptr);

    void LayoutInternetTab();
    // The dividing lines take the colour of the top bar's captions.
    void setSeparatorColor(const QColor& color);

    QToolButton* TIAddBtn;
    QToolButton* TIEditBtn;
    QToolButton* TISaveBtn;
    QToolButton* TIDelBtn;
    QToolButton* TIUndoBtn;
    QToolButton* TISrhIconBtn;
    QComboBox* TICMBMODE;

    EditingPanel* Panel1;
    QLabel* Label3;
    QComboBox* CMBEdit1;
    QLabel* Label4;
    QListWidget* LISTPTFLDR;
    QCheckBox* CHKBOOK;
    QCheckBox* CHKEMAIL;
    QCheckBox* CHKPASS;
    QFrame* Line1;
    QLabel* Label5;
    QComboBox* CMBGROUP1;
    QLabel* Label8;
    QLineEdit* Edit2;
    QFrame* Line2;
    QLabel* Label43;
    QComboBox* CMBSEARCHENG;
    QLabel* Label44;
    QLineEdit* Edit3;
    QLabel* Label45;
    QLineEdit* Edit30;

private:
    void buildToolBar();
    void buildPanel();
};

} // namespace linkvale
