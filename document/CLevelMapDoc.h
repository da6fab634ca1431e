#pragma once

#include "framework/CDocument.h"

// The level document.
class CLevelMapDoc : public CDocument {
public:
    bool m_bAnimate = false;
    float m_animTime = 0.0f;
    float m_lastTick = 0.0f;
};
