#include "TAutoAlarmForm.h"

#include "GuiText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kanavo {

TAutoAlarmForm::TAutoAlarmForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Автоматическое оповещение"));
    setObjectName(QStringLiteral("AutoAlarmForm"));
    auto* column = new QVBoxLayout(this);
    auto* label =
        new QLabel(QStringLiteral("ВНИМАНИЕ! Передачи будут помечаться, если в названии передачи, будут "
                                  "встречены введенные Вами слова. Слова должны разделяться между собой "
                                  "одним пробелом."),
                   this);
    label->setWordWrap(true);
    column->addWidget(label);
    m_box = new QListWidget(this);
    m_box->setObjectName(QStringLiteral("AutoAlarmBox"));
    column->addWidget(m_box, 1);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("AutoAlarmEdit"));
    column->addWidget(m_edit);
    auto* editing = new QHBoxLayout;
    m_delete = new QPushButton(QStringLiteral("Удалить"), this);
    m_replace = new QPushButton(QStringLiteral("Заменить"), this);
    m_add = new QPushButton(QStringLiteral("Добавить"), this);
    m_delete->setObjectName(QStringLiteral("ButtonDel"));
    m_replace->setObjectName(QStringLiteral("ButtonRep"));
    m_add->setObjectName(QStringLiteral("ButtonAdd"));
    for (QPushButton* button : {m_delete, m_replace, m_add}) {
        button->setAutoDefault(false);
        editing->addWidget(button);
    }
    column->addLayout(editing);
    m_always = new QCheckBox(QStringLiteral("Применять автоматическое оповещение всегда"), this);
    m_always->setObjectName(QStringLiteral("AutoAlarmCheck"));
    column->addWidget(m_always);
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("ОК"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    closing->addWidget(ok);
    closing->addWidget(cancel);
    column->addLayout(closing);
    setFixedSize(420, 360);

    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_mirroring) {
            m_keywords.setEditText(toCp(text));
            mirror();
        }
    });
    connect(m_box, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_mirroring) {
            m_keywords.select(row);
            mirror();
        }
    });
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_keywords.add();
        mirror();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        m_keywords.remove();
        mirror();
    });
    connect(m_replace, &QPushButton::clicked, this, [this] {
        m_keywords.replace();
        mirror();
    });
    connect(m_always, &QCheckBox::toggled, this, [this](bool on) { m_keywords.setApplyAlways(on); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TAutoAlarmForm::~TAutoAlarmForm() = default;

bool TAutoAlarmForm::edit(Settings& settings) {
    m_keywords.load(settings);
    mirror();
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted) {
        m_keywords.store(settings);
    }
    m_keywords.clear();
    mirror();
    return accepted;
}

void TAutoAlarmForm::mirror() {
    m_mirroring = true;
    const auto& lines = m_keywords.lines();
    if (m_box->count() != static_cast<int>(lines.size())) {
        m_box->clear();
        for (const std::string& line : lines) {
            m_box->addItem(fromCp(line));
        }
    } else {
        for (int i = 0; i < m_box->count(); ++i) {
            m_box->item(i)->setText(fromCp(lines[static_cast<std::size_t>(i)]));
        }
    }
    m_box->setCurrentRow(m_keywords.selected());
    const QString edit = fromCp(m_keywords.editText());
    if (m_edit->text() != edit) {
        m_edit->setText(edit);
    }
    m_always->setChecked(m_keywords.applyAlways());
    m_add->setEnabled(m_keywords.addEnabled());
    m_replace->setEnabled(m_keywords.replaceEnabled());
    m_delete->setEnabled(m_keywords.deleteEnabled());
    m_mirroring = false;
}

} // namespace kanavo
