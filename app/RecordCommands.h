#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QtGlobal>

#include <cstdint>
#include <memory>
#include <vector>

class CDragDropListCtrl;
class ImageDocument;
class ImageEdit;
struct ProgramRow;
class ProgEditDlg;
class ProgramFlagsDlg;
class QMenu;
class QPoint;
class QWidget;
class SatEditDlg;
class TpEditDlg;
struct ViewState;

// What the user does to the records of the list shown: edit one, delete,
// move by drag, keyboard or to a typed position, set favourites and child
// lock, sort. Each command is one step of the window's image history.
class RecordCommands : public QObject {
    Q_OBJECT

public:
    // What the commands ask of the window around them.
    class Host {
    public:
        virtual ImageDocument& Document() = 0;
        // What the record list shows of the document.
        virtual const ViewState& View() const = 0;
        // No transfer runs and an image is loaded: the image may change.
        virtual bool CanChangeImage() const = 0;

    protected:
        ~Host() = default;
    };

    // The commands act on `list`; `window` stands behind every message.
    RecordCommands(Host& host, CDragDropListCtrl& list, QWidget& window);
    ~RecordCommands() override;

    // Brings the first selected row into view.
    void RevealSelection();

public slots:
    void OnListDblClk(int row);
    void OnListRClick(int row, const QPoint& globalPos);
    void OnListCommand(int command);
    void OnDeleteRecords();
    // Writes the order the list shows now (after a drag or a keyboard move).
    void OnMoveRecords();
    void OnMoveToPosition();
    // Moves the selected rows so that the first stands at `position` (from
    // 1) among the rows shown: one undo step, the rows staying selected and in view.
    void MoveSelectedRows(int position);
    // Moves these records of the list shown (by offset, in this order) to
    // right after the row `dropRow` (-1: to the top), as a drag of them
    // would: one undo step. Records the list does not show stay where they are.
    void MoveRecordsAfter(const std::vector<uint32_t>& records, int dropRow);

private:
    // How the Edit menu names a step that deleted or moved `count` records.
    static QString DeleteStep(int listType, size_t count);
    static QString MoveStep(int listType, size_t count);
    void PrepareListMenu(QMenu& menu) const;
    void SetProgramFlags(bool lockFirst);
    void SortPrograms(bool byName);
    // The record a row's item data stands for, by offset; the program of a row.
    uint32_t RecordOf(quintptr data) const;
    ProgramRow ProgramAt(int row) const;
    // The records of the selected rows, by offset.
    std::vector<uint32_t> SelectedRecords() const;
    bool Apply(const QString& description, const ImageEdit& edit);
    // Puts the records of the list shown in `order`; tells the user when the
    // order is refused.
    void ApplyOrder(const QString& description, std::vector<uint32_t> order, std::vector<uint32_t> moved);

    Host& m_host;
    QWidget& m_window;
    ImageDocument& m_document;
    const ViewState& m_view;
    CDragDropListCtrl& m_List;
    // The record editors, one of each for the whole run.
    std::unique_ptr<SatEditDlg> m_SatEditDlg;
    std::unique_ptr<TpEditDlg> m_TpEditDlg;
    std::unique_ptr<ProgEditDlg> m_ProgEditDlg;
    std::unique_ptr<ProgramFlagsDlg> m_ProgramFlagsDlg;
};
