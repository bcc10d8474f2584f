#include "fm_version.h"

#include "kl_version.h"
#include "widgets/child_window.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kl {

QString version_label_text(int major, int minor, int revision) {
    return QStringLiteral(u"Version　　　　　") + QString::number(major) + u'.' + QString::number(minor) +
           QStringLiteral(u".0.") + QString::number(revision);
}

fm_version::fm_version(const QWidget* owner)
    : lb_ver{named(new QLabel(QStringLiteral(u"Kickledger"), this), indexed(u"lb_ver", 0)),
             named(new QLabel(this), indexed(u"lb_ver", 1))},
      Command1(named(new QPushButton(QStringLiteral(u"OK"), this), QStringLiteral(u"Command1"))) {
    setObjectName(QStringLiteral(u"fm_version"));
    setWindowTitle(QStringLiteral(u"Kickledger のバージョン情報"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    QFont title = lb_ver[0]->font();
    title.setPointSize(title.pointSize() + 6);
    title.setBold(true);
    lb_ver[0]->setFont(title);
    lb_ver[1]->setText(version_label_text(version_major, version_minor, version_revision));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(360), px(300), px(360), px(240));
    layout->addWidget(lb_ver[0]);
    layout->addWidget(lb_ver[1]);
    layout->addSpacing(px(240));
    layout->addLayout(buttons);
    setFixedSize(px(5400), px(2400));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    centre_over(this, owner);
}

}  // namespace kl
