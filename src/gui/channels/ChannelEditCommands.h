#pragma once
#include <QList>
#include <QObject>

class frmCommChInfo;
class frmMain;
class QMdiSubWindow;

// The channel-edit commands of the main window (MnuCHEdit, toolbar positions 11 to 18
// and the grid's context menu) acting on the rows selected in the channel grid: copy as
// tab-separated text with the table's header, paste with the import's rules, cut and
// delete within the delete rules, insert and moves within the group. In the CB band,
// whose frequencies belong to the channel plans, only copy and paste are offered.
// Every change starts with BeginDocumentChange.
class ChannelEditCommands : public QObject {
    Q_OBJECT
public:
    explicit ChannelEditCommands(frmMain *main);

    // True when the sub-window holds the channel grid.
    static bool IsChannelGrid(const QMdiSubWindow *sub);
    // Enables the commands the band allows; lends them to an active grid's context menu.
    void followActiveWindow(QMdiSubWindow *sub);

public slots:
    void Cut();
    void Copy();
    void Paste();
    // The clipboard's rows in order into the group's free positions, whatever their numbers.
    void PasteIntoFreePositions();
    void Insert();
    void Delete();
    void MoveUp();
    void MoveDown();

private:
    frmCommChInfo *grid() const;
    QList<int> selectedPositions() const;
    void selectPosition(int position);
    // Commits a cell edit in progress; the first selected position when the band lets
    // channels move, else 0.
    int movingPosition();
    void move(int step, int captionId);
    void begin(int captionId);

    frmMain *main_;
};
