#include "platform/ui/StandardClasses.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/StaticText.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/ToolTip.h"
#include "platform/ui/TreeView.h"

namespace platform {

Status registerStandardClasses(Desktop& desktop)
{
    for (auto reg : {&Button::registerClass, &StaticText::registerClass, &EditControl::registerClass,
                     &ListBox::registerClass, &ComboBox::registerClass, &ProgressBar::registerClass,
                     &ScrollBar::registerClass, &TreeView::registerClass, &TabStrip::registerClass,
                     &ToolTip::registerClass, &Dialog::registerClass})
        if (Status s = reg(desktop); !s)
            return s;
    return Status::ok();
}

} // namespace platform
