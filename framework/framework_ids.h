/* The command ids that the framework itself understands, as plain defines
   so that the programs' resource scripts can name them too. */
#ifndef QV_FRAMEWORK_FRAMEWORK_IDS_H
#define QV_FRAMEWORK_FRAMEWORK_IDS_H

/* The application-exit command: closes the main window. */
#define ID_APP_EXIT 57665

/* A property sheet's wizard buttons, as the system numbers them. */
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025

#endif
