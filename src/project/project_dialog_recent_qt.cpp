// The recent projects offered by the project dialog when it opens a project.

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "project/project_dialog.h"
#include "ui/text.h"

namespace veskaro {

void ProjectDialog::offerRecentProjects(const QStringList& paths) {
    if (paths.isEmpty()) return;
    auto* recent = new QComboBox(this);
    recent->setObjectName(QStringLiteral("recentProjects"));
    recent->addItem(QString());
    for (const QString& path : paths) {
        const QFileInfo info(path);
        recent->addItem(info.fileName() + QStringLiteral("  (") + info.path() + u')', path);
    }
    auto* caption = new QLabel(ui::QText(UiTextId::RecentProjectsLabel, m_ctx.languageCode), this);
    caption->setBuddy(recent);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(recent, 1);
    if (auto* column = qobject_cast<QVBoxLayout*>(layout())) column->insertLayout(0, row);
    connect(recent, &QComboBox::activated, this, [this, recent](int index) {
        const QString path = recent->itemData(index).toString();
        if (path.isEmpty()) return;
        const QFileInfo info(path);
        changeFolder(info.path());
        m_name->setText(info.fileName());
        m_name->setFocus();
    });
}

} // namespace veskaro
