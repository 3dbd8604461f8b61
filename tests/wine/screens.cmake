# The screens besides the display's 1920x1080 that the sample calculation
# runs on: users' smaller ones, and scaled ones (a 1920x1080 laptop at 175 %
# shows this program 1097x617).  Read when the tests are made and when
# CTest labels them.
set(TERVALO_SCREENS 1536x864 1366x768 1280x720 1152x720 1097x617 1024x768 1024x640 800x600 640x480)
# The DPIs besides 96 that the screen of the sample calculation is set to.
set(TERVALO_DPIS 120 144 192)
