#include "shell/StartHook.h"

#include "shell/Company.h"
#include "shell/KeyValue2.h"
#include "shell/Operator.h"

void Tmall::Start() {
    if (AppOperator().HasRight(10000) && !AppCompany().HasCompanyName())
        AppCompany().EditCompany(false);
    if (ShowTips && AppKeyValue2().DailyTipPrompt())
        ShowTips();
}
