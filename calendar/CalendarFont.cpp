#include "calendar/CalendarFont.h"

#include "framework/Exceptions.h"
#include "framework/PointFont.h"

void CalendarFontSpec::Realize(HDC hdc)
{
    if (hdc == nullptr)
        return;
    m_font.DeleteObject();
    // The face's own description (its pitch and family) from a point font, then the sizes
    // and attributes for this DC.
    CFont pointFont(CreatePointFont(m_nPointSize * 10, m_strFace));
    if (!pointFont)
        AfxThrowMemoryException();
    LOGFONTA lf{};
    if (::GetObjectA(pointFont, sizeof lf, &lf) != sizeof lf)
        AfxThrowMemoryException();
    lf.lfHeight = -::MulDiv(m_nPointSize, ::GetDeviceCaps(hdc, LOGPIXELSY), 72);
    // 100 rather than the normal 400: a thin face where the font has one.
    lf.lfWeight = m_bBold ? FW_BOLD : FW_THIN;
    lf.lfItalic = m_bItalic ? TRUE : FALSE;
    lf.lfUnderline = m_bUnderline ? TRUE : FALSE;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    pointFont.DeleteObject();
    m_font.Attach(::CreateFontIndirectA(&lf));
    if (!m_font)
        AfxThrowMemoryException();
}
