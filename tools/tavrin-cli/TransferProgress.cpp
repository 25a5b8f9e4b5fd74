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
        abandon();
}

void TransferProgress::start(const QString &label)
{
    m_label = label;
    m_position = 0;
    m_shown = -1;
    if (m_terminal)
        draw(0);
}

void TransferProgress::setRange(int top)
{
    m_top = std::max(1, top);
}

void TransferProgress::setPosition(int position)
{
    // The bar only grows within a weekday; the session resets it before the next one starts.
    if (!running() || position <= m_position)
        return;
    m_position = std::min(position, m_top);
    if (m_terminal)
        draw(m_position);
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

QString TransferProgress::abandon()
{
    const QString label = m_label;
    if (running() && m_terminal)
        sayRaw(QStringLiteral("\n"));
    m_label.clear();
    return label;
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
