#pragma once

#include "DumpArchive.h"
#include "ReferencePlan.h"

#include <QtWidgets/QDialog>

#include <memory>
#include <vector>

class CReportListCtrl;
class ImageDocument;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// File "apply reference list...": the reference chosen (a kept dump, newest
// first, or a file: an image, a CSV or a text list), what it finds in the
// open image, the satellite a text list is matched against and what it
// carries. Apply and Show close the dialog for the window to act on the
// list and plan it hands over.
class ReferencePreviewDlg : public QDialog {
    Q_OBJECT

public:
    enum class Choice { None, Apply, Show };

    ReferencePreviewDlg(const ImageDocument& document, const std::vector<DumpArchive::Kept>& dumps,
        QWidget* parent = nullptr);
    ~ReferencePreviewDlg() override;

    // Reads the reference in a file and shows what it finds.
    void ChooseFile(const QString& path);

    Choice Chosen() const { return m_Chosen; }
    // The reference as read, and what applying it does; null until a file
    // is read that can be used.
    const ReferenceList* List() const { return m_List.get(); }
    const ReferencePlan* Plan() const { return m_Plan.get(); }
    const ReferenceOptions& Options() const { return m_Options; }
    // The file's name, which names the step of the history.
    QString SourceName() const;
    std::unique_ptr<ReferenceList> TakeList() { return std::move(m_List); }

    QComboBox* SourceBox() const { return m_Source; }
    QPushButton* FileButton() const { return m_File; }
    QLabel* Note() const { return m_Note; }
    QComboBox* SatelliteBox() const { return m_Satellite; }
    QCheckBox* CarryBox(ReferenceCarry carry) const;
    QCheckBox* DeleteBox() const { return m_Delete; }
    QLabel* Counts() const { return m_Counts; }
    CReportListCtrl* Rows() const { return m_Rows; }
    QPushButton* ApplyButton() const { return m_Apply; }
    QPushButton* ShowButton() const { return m_Show; }

private:
    void Load(const QString& path);
    void ReadOptions();
    void Replan();
    void FillRows();

    const ImageDocument& m_document;
    std::unique_ptr<ReferenceList> m_List;
    std::unique_ptr<ReferencePlan> m_Plan;
    ReferenceOptions m_Options;
    QString m_Path;
    Choice m_Chosen = Choice::None;

    QComboBox* m_Source;
    QPushButton* m_File;
    QLabel* m_Note;
    QComboBox* m_Satellite;
    QCheckBox* m_Order;
    QCheckBox* m_Names;
    QCheckBox* m_Favorites;
    QCheckBox* m_Locks;
    QCheckBox* m_Delete;
    QLabel* m_Counts;
    CReportListCtrl* m_Rows;
    QPushButton* m_Apply;
    QPushButton* m_Show;
};
