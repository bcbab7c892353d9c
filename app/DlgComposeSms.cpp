// CDlgComposeSms: the compose window.
#include "app/DlgComposeSms.h"
#include "phone/SmsComposer.h"
#include "res/app_ids.h"

CDlgComposeSms::CDlgComposeSms(CWnd* pParent) : CDialog(IDD_COMPOSE_SMS, pParent) {}

int CDlgComposeSms::SendWithoutWindow()
{
    CSmsComposer composer;
    composer.m_source = m_sms;
    return composer.SendWithoutWindow();
}
