// String ids of the phone link.
#pragma once
#define IDS_PHONE_OPEN_FAILED         32782
#define IDS_PHONE_CHECK_BRAND         32783
#define IDS_PHONE_TIMEOUT_WRITING_PDU 32784
#define IDS_PHONE_RECEIVING           32785
#define IDS_PHONE_CHECK_CONNECTION    32786
#define IDS_PHONE_SETTING_MODE        32787
#define IDS_PHONE_SET_STORAGE         32788
#define IDS_PHONE_NEW_SMS_COUNT       32789
#define IDS_PHONE_TIMEOUT_SENDING     32790
#define IDS_PHONE_OPENING             32791
#define IDS_PHONE_STORE_STATUS_ERROR  32792
#define IDS_PHONE_READING_SMS         32793
#define IDS_PHONE_PROCESSING_SMS      32794
#define IDS_PHONE_SOUND_MISSING       32830
#define IDS_PHONE_DELETING_SMS        32838
#define IDS_PHONE_SENDING_OUTBOX      32841
#define IDS_PHONE_OUTBOX_SENT         32842
#define IDS_PHONE_OUTBOX_EMPTY        32843
// Texts of the failures the phone link reports beyond those above.
#define IDS_PHONE_LISTING_FAILED   34703
#define IDS_PHONE_SAVE_FAILED_KEPT 34704
#define IDS_PHONE_NO_PROMPT        34705
#define IDS_PHONE_EMPTY_PDU        34706
#define IDS_PHONE_OUTBOX_FAILED    34707
#define IDS_PHONE_BAD_INDEX        34708
#define IDS_PHONE_PARTS_KEPT       34709
#define IDS_PHONE_FETCH_FAILED     34710
#define IDS_PHONE_UNREADABLE_PDU   34711
#define IDS_PHONE_UNREADABLE_KEPT  34712
#define IDS_PHONE_BAD_RECIPIENT    34713
#define IDS_PHONE_SENT_TO          34714
#define IDS_PHONE_NOT_SENT_TO      34715
#define IDS_PHONE_PART_SENT_TO     34720
#define IDS_PHONE_PARTS_OF         34721

// Commands of the phone jobs and the compose window the phone link uses.
#ifndef ID_RECEIVE_SMS
#define ID_RECEIVE_SMS      32771
#define ID_SEND_SMS         32772
#define ID_SEND_RECEIVE_SMS 32773
#endif
