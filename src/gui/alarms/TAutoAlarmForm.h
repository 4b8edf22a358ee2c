#pragma once
// TAutoAlarmForm: the dialog that edits the keyword list of the auto-alarm. The list's
// rules live in AutoAlarmKeywords; the dialog forwards its events there and shows the
// result.

#include "alarms/AutoAlarmKeywords.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kanavo {

class TAutoAlarmForm : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(TAutoAlarmForm)

public:
    explicit TAutoAlarmForm(QWidget* parent = nullptr);
    ~TAutoAlarmForm() override;

    // Runs the dialog over the stored keywords. On OK they are stored back into `settings`
    // and true is returned; on Cancel nothing changes.
    bool edit(Settings& settings);

    AutoAlarmKeywords& keywords() { return m_keywords; }

private:
    void mirror();

    AutoAlarmKeywords m_keywords;
    QListWidget* m_box = nullptr;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_replace = nullptr;
    QPushButton* m_add = nullptr;
    QCheckBox* m_always = nullptr;
    bool m_mirroring = false;
};

} // namespace kanavo
