// Answers message boxes: records each text and returns a chosen button; no test waits on a real box.
#pragma once

#include "framework/Seams.h"

#include <string>
#include <vector>

class CFakeMessageBox : public IMessageBox
{
public:
    explicit CFakeMessageBox(int nAnswer = IDOK) : m_nAnswer(nAnswer), m_scope(*this) {}

    int Show(HWND, const std::string& strText, const std::string&, UINT nType) override
    {
        m_texts.push_back(strText);
        m_types.push_back(nType);
        return m_nAnswer;
    }

    std::vector<std::string> m_texts;
    std::vector<UINT> m_types;
    int m_nAnswer;

private:
    CMessageBoxScope m_scope;
};
