#include "app/gui/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About Tavrin"));
    setObjectName(QStringLiteral("aboutDialog"));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QIcon(QStringLiteral(":/tavrin/tavrin64.png")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto *version = new QLabel(tr("Tavrin Version %1").arg(QStringLiteral(TAVRIN_VERSION)), this);
    version->setObjectName(QStringLiteral("version"));
    auto *licence = new QLabel(tr("Free software under the GNU General Public License, version 3 or later."), this);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    auto *texts = new QVBoxLayout;
    texts->addStretch(1);
    texts->addWidget(version);
    texts->addWidget(licence);
    texts->addStretch(1);
    row->addLayout(texts, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(360, 130)));
}
