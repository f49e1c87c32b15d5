#pragma once
#include <QWidget>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct ChannelRecord;

// The channel grid: the channels of one group, one row per position, with in-cell
// editors for the common values and the per-group settings above the grid. Grid row r
// (1-based, row 0 is the header) is the channel at position r of the group.
class frmCommChInfo : public QWidget {
    Q_OBJECT
public:
    enum GridColumn {
        GridNo = 0, GridFreq = 1, GridPublic = 2, GridDup = 3, GridOffset = 4, GridTsq = 5,
        GridScan = 6, GridEdit = 7, GridColumns = 8,
    };

    explicit frmCommChInfo(QWidget *parent = nullptr);
    ~frmCommChInfo() override;

    int rowCount() const;                    // header row included: group size + 1
    QString cellText(int row, int column) const;
    int editColumn() const { return editColumn_; }
    QTableWidget *grid() const { return grid_; }
    QSize sizeHint() const override;

public slots:
    void ReShowChInfoByLanguage();
    void reShowAllGrid();
    void reShowGrid(int number);
    void SetEditDisable();
    void ChangeGroup();
    void ReshowByCh();
    void EnterGridEdit();
    void ValidateControls();
    // Shows CurrentGroup and selects the row of CurrentChannel (the edit dialog moved).
    void ShowCurrentChannel();
    // Shows the image again after an undo or redo: the group it remembers, every row.
    void ShowImageAgain();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // construction and texts
    void buildControls();
    void buildGroupControls();
    void buildGrid();
    void buildCellEditors();
    void writeCaption();
    // groups and rows
    void fillGroupSelectors();
    void selectGroupInSelectors(int group);
    void chooseGroup(int group);
    void showGroupControls(int group);
    void setRowLabels();
    void showRow(int row, const ChannelRecord &channel);
    void clearRow(int row);
    void onGroupListChosen();
    void onCountryChosen(int which);
    void onCurrentChannelChosen();
    void onNumberedSettingChosen(int which);
    void onModulationChosen(int which);
    void onGroupValidChosen();
    // in-cell editing
    void placeEditor(QWidget *editor, int row, int column);
    QWidget *editorOf(int column) const;
    bool isEditorPart(const QWidget *w) const;
    void commitEditor();
    void commitAndReturnToGrid();
    void onFocusChanged(QWidget *old, QWidget *now);
    void onCurrentCellChanged(int row, int column);
    void openEditDialog();
    // keyboard (frmCommChInfoKeys.cpp)
    bool cellEditable(int row, int column) const;
    bool gridKeyPressed(QKeyEvent *key);
    bool editorKeyPressed(QKeyEvent *key);
    void startTyping(QKeyEvent *key);
    void moveToEditableCell(int step);
    void cancelEditor();
    void deleteCurrentChannel();
    void unload();

    QTableWidget *grid_ = nullptr;
    QComboBox *combo7_ = nullptr;          // group list (HF, HAM)
    QComboBox *combo9_[2] = {};            // CB country mode, "U"/"UK"
    QComboBox *combo8_[4] = {};            // current channel, setting A, setting B, group valid
    QComboBox *combo10_[2] = {};           // modulation of settings A and B
    QLabel *label1_ = nullptr;
    QLabel *label3_[4] = {};
    QLineEdit *text1_ = nullptr;           // frequency editor
    QLineEdit *text2_ = nullptr;           // offset editor
    QComboBox *cellCombo_[4] = {};         // Combo1..Combo4: Public, DUP, TSQ, Scan
    QPushButton *commandEdit_ = nullptr;
    QPushButton *commandHelp_ = nullptr;
    QPushButton *commandClose_ = nullptr;

    int shownGroup_ = -1;
    int editColumn_ = 0;
    QString placedValue_;                  // the editor's value when it was placed
    bool loading_ = false;                 // controls filled by program
    bool committing_ = false;
    bool unloaded_ = false;
};
