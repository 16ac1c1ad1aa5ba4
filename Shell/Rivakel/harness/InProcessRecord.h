// The record a game gets at its start, made in the test's own process against the harness's
// shell window, so that support-library code can run without a game module.
#pragma once

#include "harness/AppletHarness.h"
#include "frame/api/AppletRecord.h"
#include "frame/boundary/AppletRecordObject.h"
#include "frame/graphics/GraphicsObjects.h"
#include "frame/services/ServiceObjects.h"

class InProcessRecord {
public:
    explicit InProcessRecord(CAppletHarness& harness) : record(MakeAppletRecord()) {
        record->services = MakeShellServices(harness.Factory(), &harness);
        record->settings = MakeSettingsAccess();
        record->factory = harness.Factory();
        record->gameArea = MakeBorrowedSurfaceObject(harness.GameArea());
        record->pageArea = MakeBorrowedSurfaceObject(harness.PageArea());
    }
    ~InProcessRecord() {
        for (IShellObject* object : {static_cast<IShellObject*>(record->gameArea),
                                     static_cast<IShellObject*>(record->pageArea),
                                     static_cast<IShellObject*>(record->services),
                                     static_cast<IShellObject*>(record->settings)})
            object->Destroy(1);
        record->Destroy(1);
    }
    InProcessRecord(const InProcessRecord&) = delete;
    InProcessRecord& operator=(const InProcessRecord&) = delete;

    AppletRecord* record;
};
