// Markup elements and their attributes. Node and attribute getters store a NEW interface
// object through their out-pointer (the caller releases it), or null when nothing was found.
// Names compare without regard to case.
#pragma once

#include "frame/api/ShellObject.h"

class IMarkupAttr : public IShellObject {
public:
    // Keeps a copy. 0.
    virtual int SetValue(const char* value) = 0;                                          // 2
    // Copies the value cut to outSize bytes with the NUL. 0.
    virtual int GetValue(char* out, int outSize) = 0;                                     // 3

protected:
    IMarkupAttr() = default;
    ~IMarkupAttr() override = default;
};

class IMarkupNode : public IShellObject {
public:
    virtual int AddChild(IMarkupNode* child) = 0;                                         // 2
    virtual int RemoveChild(IMarkupNode* child) = 0;                                      // 3
    // First child named `name` that, when attrName is given, has that attribute (with that
    // value when attrValue is given); the criteria are kept for FindNext. 0.
    virtual int FindFirst(IMarkupNode** out, const char* name, const char* attrName,
                          const char* attrValue) = 0;                                     // 4
    // The next child after the last match; restart begins again at the first child. 0.
    virtual int FindNext(IMarkupNode** out, bool restart) = 0;                            // 5
    // As FindFirst; without a match a new child of that name and attribute is appended. 0.
    virtual int FindOrAdd(IMarkupNode** out, const char* name, const char* attrName,
                          const char* attrValue) = 0;                                     // 6
    virtual int FindOrAddChild(IMarkupNode** out, const char* name) = 0;                  // 7
    virtual int GetChildCount(int* out) = 0;                                              // 8
    virtual int AddAttr(const char* name, const char* value) = 0;                         // 9
    // Changes the first attribute of that name, else appends one. 0.
    virtual int SetAttr(const char* name, const char* value) = 0;                         // 10
    // First attribute of that name (and value, when given). 0.
    virtual int FindAttr(IMarkupAttr** out, const char* name, const char* value) = 0;     // 11
    // Replaces the element's value by a copy. 0.
    virtual int SetValue(const char* value) = 0;                                          // 12
    // Has no use; 0.
    virtual int Unused(int) = 0;                                                          // 13

protected:
    IMarkupNode() = default;
    ~IMarkupNode() override = default;
};
