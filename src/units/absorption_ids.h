/* Template and control ids of the room absorption dialog; read by the
 * resource compiler too, so plain defines only. */
#ifndef KAVO_ABSORPTION_IDS_H
#define KAVO_ABSORPTION_IDS_H

#define IDD_ABSORPTION 205

#define IDC_ABS_GROUP 60
#define IDC_ABS_CLASS 190
/* One edit and one band label per octave band, 63 Hz first. */
#define IDC_ABS_COEFFICIENT 160
#define IDC_ABS_BAND 300

#endif
