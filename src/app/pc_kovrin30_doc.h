#pragma once
// The program's document: it holds nothing, so a new one always succeeds and reading stores nothing.

#include "framework/document.h"

class CPC_Kovrin30Doc : public CDocument {
public:
    bool OnNewDocument() override;

protected:
    void Serialize(CFile& file) override;
};
