/* Templates and control ids of the module's own message boxes; read by the
 * resource compiler too, so plain defines only. */
#ifndef KAVO_BOX_IDS_H
#define KAVO_BOX_IDS_H

#define IDD_CHECK_BOX 381
#define IDD_TIMED_BOX 382
#define IDD_TALL_TIMED_BOX 383

#define IDC_BOX_ICON 51
#define IDC_BOX_MESSAGE 61
#define IDC_BOX_COUNTDOWN 62
#define IDC_BOX_CHECK 101

#endif
