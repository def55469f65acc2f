// The About box's link line, free of the window system: which link texts stand where on the
// line, one pixel further left each step, a gap apart and round and round, and which copy the
// pointer rests on. CLinkStatic measures the texts and draws them; this decides where.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

constexpr int kLinkGapPixels = 50;

struct LinkItem
{
    std::string m_strText;
    std::string m_strTarget; // empty: the text opens nothing
    int m_nWidth = 0;        // measured with the line's bold font
    int m_nHeight = 0;
};

// One copy of an item on the line; x in the control's client pixels.
struct LinkCopy
{
    std::size_t m_nItem = 0;
    int m_nX = 0;
    bool operator==(const LinkCopy&) const = default;
};

// As a RECT: right and bottom outside.
struct LinkArea
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class LinkLine
{
public:
    void AddItem(std::string strText, std::string strTarget);
    std::size_t ItemCount() const { return m_items.size(); }
    const LinkItem& Item(std::size_t nItem) const { return m_items[nItem]; }
    void SetMeasure(std::size_t nItem, int nWidth, int nHeight);
    void SetTextArea(const LinkArea& rcText) { m_rcText = rcText; }
    const LinkArea& TextArea() const { return m_rcText; }

    // Empties the line and puts item 0 alone at the text area's right edge; false without items.
    bool Restart();
    // Every copy one pixel left; the leftmost goes once its right end has passed the left edge;
    // the next item enters at the right edge once the rightmost copy is more than the gap in.
    void Step();

    // Left to right.
    const std::deque<LinkCopy>& Copies() const { return m_copies; }

    // The first copy whose band holds the point: across the copy as far as it lies in the text
    // area, and its text's height down from (text area height - text height) / 2.
    std::optional<LinkCopy> HitTest(int x, int y) const;

private:
    void Enter(std::size_t nItem) { m_copies.push_back({nItem, m_rcText.right}); }

    std::vector<LinkItem> m_items;
    std::deque<LinkCopy> m_copies;
    LinkArea m_rcText;
};
