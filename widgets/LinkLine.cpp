#include "widgets/LinkLine.h"

#include <algorithm>
#include <utility>

void LinkLine::AddItem(std::string strText, std::string strTarget)
{
    m_items.push_back({std::move(strText), std::move(strTarget), 0, 0});
}

void LinkLine::SetMeasure(std::size_t nItem, int nWidth, int nHeight)
{
    if (nItem >= m_items.size())
        return;
    m_items[nItem].m_nWidth = nWidth;
    m_items[nItem].m_nHeight = nHeight;
}

bool LinkLine::Restart()
{
    m_copies.clear();
    if (m_items.empty())
        return false;
    Enter(0);
    return true;
}

void LinkLine::Step()
{
    if (m_copies.empty())
        return;
    for (LinkCopy& copy : m_copies)
        --copy.m_nX;

    const LinkCopy first = m_copies.front();
    if (first.m_nX + m_items[first.m_nItem].m_nWidth <= m_rcText.left)
        m_copies.pop_front();

    // A line narrower than the gap would otherwise run empty for good.
    const LinkCopy& last = m_copies.empty() ? first : m_copies.back();
    if (m_copies.empty() || last.m_nX + m_items[last.m_nItem].m_nWidth + kLinkGapPixels < m_rcText.right)
        Enter((last.m_nItem + 1) % m_items.size());
}

std::optional<LinkCopy> LinkLine::HitTest(int x, int y) const
{
    for (const LinkCopy& copy : m_copies)
    {
        const LinkItem& item = m_items[copy.m_nItem];
        const int nLeft = std::max(copy.m_nX, m_rcText.left);
        const int nRight = std::min(copy.m_nX + item.m_nWidth, m_rcText.right);
        const int nTop = (m_rcText.bottom - m_rcText.top - item.m_nHeight) / 2;
        if (x >= nLeft && x < nRight && y >= nTop && y < nTop + item.m_nHeight)
            return copy;
    }
    return std::nullopt;
}
