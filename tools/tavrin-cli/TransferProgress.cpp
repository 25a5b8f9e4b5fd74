#include "TransferProgress.h"

#include "CliOutput.h"

#include <algorithm>

namespace {
constexpr int kBarWidth = 30;
constexpr int kLabelWidth = 12;
} // namespace

TransferProgress::TransferProgress(bool terminal)
    : m_terminal(terminal)
{
}

TransferProgress::~TransferProgress()
{
    if (running())
        abandon(QString());
}

void TransferProgress::start(const QString &label)
{
    m_label = label;
    m_shown = -1;
    if (m_terminal)
        draw(0);
}

void TransferProgress::setRange(int top) { m_top = std::max(1, top); }

void TransferProgress::setPosition(int position)
{
    if (m_terminal && running())
        draw(std::clamp(position, 0, m_top));
}

void TransferProgress::finish(const QString &outcome)
{
    if (!running())
        return;
    if (m_terminal) {
        draw(m_top);
        sayRaw(QStringLiteral(" ") + outcome + QLatin1Char('\n'));
    } else {
        sayRaw(m_label + QStringLiteral(": ") + outcome + QLatin1Char('\n'));
    }
    m_label.clear();
}

void TransferProgress::abandon(const QString &outcome)
{
    if (!running())
        return;
    if (m_terminal)
        sayRaw(outcome.isEmpty() ? QStringLiteral("\n") : QStringLiteral(" ") + outcome + QLatin1Char('\n'));
    else if (!outcome.isEmpty())
        sayRaw(m_label + QStringLiteral(": ") + outcome + QLatin1Char('\n'));
    m_label.clear();
}

void TransferProgress::draw(int position)
{
    const int filled = position * kBarWidth / m_top;
    if (filled == m_shown)
        return;
    m_shown = filled;
    sayRaw(QStringLiteral("\r%1 [%2%3] %4%")
               .arg(m_label, -kLabelWidth)
               .arg(QString(filled, QLatin1Char('#')), QString(kBarWidth - filled, QLatin1Char('.')))
               .arg(position * 100 / m_top, 3));
}
