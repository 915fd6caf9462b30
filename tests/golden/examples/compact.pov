#include "colors.inc"


camera {
  location <  0.35295E+01,   0.70206E+00,   0.18092E+02>
  look_at <0, 0, 0>
  sky <0, 1, 0>
}


light_source {
  <  0.20705E+01,   0.55480E+00,   0.24122E+02>
  color Gray50
}


light_source {
  <  0.94667E+01,  -0.12463E+01,   0.35635E+02>
  color Gray50
}


sphere {
  < -0.76622E+00, -0.12996E+00,  0.27591E-01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.78154E+00, -0.72972E+00, -0.16164E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.15815E+01, -0.16365E+01, -0.32094E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.92068E+00,  0.24562E+00, -0.33530E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.23256E+01,  0.19106E+00, -0.28323E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.25705E+01,  0.30582E+00, -0.37947E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.25430E+01, -0.41506E+00, -0.44868E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.38342E+01, -0.43688E+00, -0.37234E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.41847E+01, -0.64664E+00, -0.20218E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.29994E+01, -0.16218E+01, -0.11802E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.14083E+01, -0.28270E+01, -0.13092E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.11686E+01, -0.26681E+01,  0.41699E+00>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.30042E+00, -0.34074E+01,  0.10169E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.14608E+01, -0.18986E+01,  0.16291E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.26258E+01, -0.59367E+00,  0.15944E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.31510E+01, -0.19759E+01,  0.18439E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.27696E+01, -0.22117E+01,  0.15200E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.31964E+01, -0.10311E+01, -0.10660E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.23833E+01, -0.29720E+00, -0.46482E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.15587E+01, -0.94307E+00, -0.15379E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.98662E+00, -0.71026E+00, -0.17123E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.69245E+00,  0.20064E+00, -0.46029E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.10165E+01,  0.13517E+01, -0.92985E-01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.15291E+01,  0.86526E+00,  0.15087E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.10356E+01, -0.48619E+00,  0.10824E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.77302E-01, -0.79340E+00,  0.15613E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.18196E+01, -0.83830E+00,  0.17135E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.28112E+01, -0.45209E-01,  0.16915E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.16981E+01,  0.76535E+00,  0.76449E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.85737E+00,  0.13806E+01,  0.14546E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.85280E+00,  0.25478E+01,  0.19013E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.19745E-01,  0.21911E+01,  0.15678E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.44114E+00,  0.26761E+01,  0.26405E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.23921E+00,  0.36867E+01,  0.23609E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.46384E+00,  0.37251E+01,  0.11326E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.19373E+01,  0.38228E+01,  0.13992E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.28908E+01,  0.30391E+01,  0.15949E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.35756E+01,  0.30378E+01,  0.54857E+00>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.34289E+01,  0.33430E+01, -0.65443E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.22344E+01,  0.37088E+01, -0.60917E+00>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.13972E+01,  0.40825E+01,  0.24095E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.37163E+00,  0.36265E+01, -0.75429E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.11237E+01,  0.27553E+01, -0.17574E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.23897E+01,  0.12419E+01, -0.14290E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.32433E+01,  0.15648E+01,  0.34975E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.20906E+01,  0.31921E+01,  0.49478E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.20982E+01,  0.33487E+01,  0.24888E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.26705E+01,  0.14903E+01,  0.29552E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.16494E+01,  0.57542E+00,  0.40429E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.30699E+00,  0.27218E+00,  0.34471E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.83951E+00,  0.22143E+00,  0.44134E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.13823E+01,  0.15864E+01,  0.34632E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.30169E+01,  0.15619E+01,  0.23107E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.43454E+01,  0.14024E+01,  0.29868E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.46368E+01,  0.62723E+00,  0.20503E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.42566E+01, -0.66726E+00,  0.13945E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.51336E+01, -0.38190E+00, -0.93607E-01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.49116E+01,  0.69456E+00, -0.11140E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.47402E+01,  0.18937E+01, -0.22914E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.36892E+01,  0.14908E+01, -0.15692E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.25492E+01,  0.17242E+01, -0.11136E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.17052E+01,  0.11004E+01, -0.17914E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.16266E+01,  0.25571E+01, -0.21428E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.61886E+00,  0.24555E+01, -0.28758E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.66500E+00,  0.16550E+01, -0.22780E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.26674E+00,  0.82534E+00, -0.18856E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.95251E+00,  0.97398E+00, -0.27477E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.19406E+01, -0.62728E+00, -0.34250E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.66328E+00, -0.21476E+01, -0.31824E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.25276E+01, -0.24564E+01, -0.25284E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.12322E+01, -0.28741E+01, -0.10637E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.23609E+01, -0.36174E+01, -0.17137E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.27194E+01, -0.35075E+01, -0.78726E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.20249E+01, -0.39933E+01,  0.45029E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.16014E+01, -0.46398E+01, -0.11198E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.14321E+00, -0.45843E+01, -0.77301E+00>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.98579E+00, -0.40817E+01, -0.58714E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.21550E+01, -0.43842E+01, -0.90700E+00>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.34242E+01, -0.37548E+01,  0.12077E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.32527E+01, -0.19977E+01,  0.10599E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.35415E+01, -0.28314E+01,  0.25711E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.19015E+01, -0.33462E+01,  0.22400E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.26179E+00, -0.37597E+01,  0.26894E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.58058E+00, -0.31003E+01,  0.33358E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.34852E-01, -0.20324E+01,  0.29812E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.14022E+01, -0.10291E+01,  0.34138E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.21637E+01, -0.35496E-01,  0.25876E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.30091E+01, -0.86680E+00,  0.29826E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.42169E+01,  0.34805E+00,  0.26241E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.42876E+01, -0.81568E+00,  0.99899E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.51638E+01,  0.30616E+00, -0.40606E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.44004E+01,  0.16679E+01, -0.11963E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.41372E+01,  0.47540E+00, -0.14624E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.38528E+01,  0.14888E+00, -0.26351E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.35367E+01,  0.16159E+01, -0.35358E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.19870E+01,  0.23182E+01, -0.31267E+01>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.26192E+01,  0.26740E+01, -0.21093E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.30251E+01,  0.27278E+01, -0.92817E+00>,   0.75000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.25081E+01,  0.38619E+01, -0.10133E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.17797E+01,  0.42285E+01, -0.15932E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


cylinder { < -0.76622E+00, -0.12996E+00,  0.27591E-01>,< -0.78154E+00, -0.72972E+00, -0.16164E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.78154E+00, -0.72972E+00, -0.16164E+01>,< -0.15815E+01, -0.16365E+01, -0.32094E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.15815E+01, -0.16365E+01, -0.32094E+01>,< -0.92068E+00,  0.24562E+00, -0.33530E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.92068E+00,  0.24562E+00, -0.33530E+01>,< -0.23256E+01,  0.19106E+00, -0.28323E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.23256E+01,  0.19106E+00, -0.28323E+01>,< -0.25705E+01,  0.30582E+00, -0.37947E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.25705E+01,  0.30582E+00, -0.37947E+01>,< -0.25430E+01, -0.41506E+00, -0.44868E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.25430E+01, -0.41506E+00, -0.44868E+01>,< -0.38342E+01, -0.43688E+00, -0.37234E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.38342E+01, -0.43688E+00, -0.37234E+01>,< -0.41847E+01, -0.64664E+00, -0.20218E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.41847E+01, -0.64664E+00, -0.20218E+01>,< -0.29994E+01, -0.16218E+01, -0.11802E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.29994E+01, -0.16218E+01, -0.11802E+01>,< -0.14083E+01, -0.28270E+01, -0.13092E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.14083E+01, -0.28270E+01, -0.13092E+01>,< -0.11686E+01, -0.26681E+01,  0.41699E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.11686E+01, -0.26681E+01,  0.41699E+00>,<  0.30042E+00, -0.34074E+01,  0.10169E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.30042E+00, -0.34074E+01,  0.10169E+01>,<  0.14608E+01, -0.18986E+01,  0.16291E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.14608E+01, -0.18986E+01,  0.16291E+01>,<  0.26258E+01, -0.59367E+00,  0.15944E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.26258E+01, -0.59367E+00,  0.15944E+01>,<  0.31510E+01, -0.19759E+01,  0.18439E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.31510E+01, -0.19759E+01,  0.18439E+01>,<  0.27696E+01, -0.22117E+01,  0.15200E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.27696E+01, -0.22117E+01,  0.15200E+00>,<  0.31964E+01, -0.10311E+01, -0.10660E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.31964E+01, -0.10311E+01, -0.10660E+01>,<  0.23833E+01, -0.29720E+00, -0.46482E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.23833E+01, -0.29720E+00, -0.46482E+00>,<  0.15587E+01, -0.94307E+00, -0.15379E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.15587E+01, -0.94307E+00, -0.15379E+01>,<  0.98662E+00, -0.71026E+00, -0.17123E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.98662E+00, -0.71026E+00, -0.17123E+00>,<  0.69245E+00,  0.20064E+00, -0.46029E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.69245E+00,  0.20064E+00, -0.46029E+00>,<  0.10165E+01,  0.13517E+01, -0.92985E-01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.10165E+01,  0.13517E+01, -0.92985E-01>,<  0.15291E+01,  0.86526E+00,  0.15087E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.15291E+01,  0.86526E+00,  0.15087E+01>,<  0.10356E+01, -0.48619E+00,  0.10824E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.10356E+01, -0.48619E+00,  0.10824E+01>,< -0.77302E-01, -0.79340E+00,  0.15613E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.77302E-01, -0.79340E+00,  0.15613E+01>,< -0.18196E+01, -0.83830E+00,  0.17135E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.18196E+01, -0.83830E+00,  0.17135E+01>,< -0.28112E+01, -0.45209E-01,  0.16915E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.28112E+01, -0.45209E-01,  0.16915E+00>,< -0.16981E+01,  0.76535E+00,  0.76449E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.16981E+01,  0.76535E+00,  0.76449E+00>,< -0.85737E+00,  0.13806E+01,  0.14546E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.85737E+00,  0.13806E+01,  0.14546E+01>,< -0.85280E+00,  0.25478E+01,  0.19013E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.85280E+00,  0.25478E+01,  0.19013E+01>,<  0.19745E-01,  0.21911E+01,  0.15678E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.19745E-01,  0.21911E+01,  0.15678E+01>,<  0.44114E+00,  0.26761E+01,  0.26405E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.44114E+00,  0.26761E+01,  0.26405E+01>,< -0.23921E+00,  0.36867E+01,  0.23609E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.23921E+00,  0.36867E+01,  0.23609E+01>,< -0.46384E+00,  0.37251E+01,  0.11326E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.46384E+00,  0.37251E+01,  0.11326E+01>,< -0.19373E+01,  0.38228E+01,  0.13992E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.19373E+01,  0.38228E+01,  0.13992E+01>,< -0.28908E+01,  0.30391E+01,  0.15949E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.28908E+01,  0.30391E+01,  0.15949E+01>,< -0.35756E+01,  0.30378E+01,  0.54857E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.35756E+01,  0.30378E+01,  0.54857E+00>,< -0.34289E+01,  0.33430E+01, -0.65443E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.34289E+01,  0.33430E+01, -0.65443E+00>,< -0.22344E+01,  0.37088E+01, -0.60917E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.22344E+01,  0.37088E+01, -0.60917E+00>,< -0.13972E+01,  0.40825E+01,  0.24095E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.13972E+01,  0.40825E+01,  0.24095E+00>,< -0.37163E+00,  0.36265E+01, -0.75429E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.37163E+00,  0.36265E+01, -0.75429E+00>,<  0.11237E+01,  0.27553E+01, -0.17574E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.11237E+01,  0.27553E+01, -0.17574E+01>,<  0.23897E+01,  0.12419E+01, -0.14290E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.23897E+01,  0.12419E+01, -0.14290E+01>,<  0.32433E+01,  0.15648E+01,  0.34975E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.32433E+01,  0.15648E+01,  0.34975E+00>,<  0.20906E+01,  0.31921E+01,  0.49478E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.20906E+01,  0.31921E+01,  0.49478E+00>,<  0.20982E+01,  0.33487E+01,  0.24888E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.20982E+01,  0.33487E+01,  0.24888E+01>,<  0.26705E+01,  0.14903E+01,  0.29552E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.26705E+01,  0.14903E+01,  0.29552E+01>,<  0.16494E+01,  0.57542E+00,  0.40429E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.16494E+01,  0.57542E+00,  0.40429E+01>,<  0.30699E+00,  0.27218E+00,  0.34471E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.30699E+00,  0.27218E+00,  0.34471E+01>,< -0.83951E+00,  0.22143E+00,  0.44134E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.83951E+00,  0.22143E+00,  0.44134E+01>,< -0.13823E+01,  0.15864E+01,  0.34632E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.13823E+01,  0.15864E+01,  0.34632E+01>,< -0.30169E+01,  0.15619E+01,  0.23107E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.30169E+01,  0.15619E+01,  0.23107E+01>,< -0.43454E+01,  0.14024E+01,  0.29868E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.43454E+01,  0.14024E+01,  0.29868E+01>,< -0.46368E+01,  0.62723E+00,  0.20503E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.46368E+01,  0.62723E+00,  0.20503E+01>,< -0.42566E+01, -0.66726E+00,  0.13945E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.42566E+01, -0.66726E+00,  0.13945E+01>,< -0.51336E+01, -0.38190E+00, -0.93607E-01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.51336E+01, -0.38190E+00, -0.93607E-01>,< -0.49116E+01,  0.69456E+00, -0.11140E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.49116E+01,  0.69456E+00, -0.11140E+01>,< -0.47402E+01,  0.18937E+01, -0.22914E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.47402E+01,  0.18937E+01, -0.22914E+00>,< -0.36892E+01,  0.14908E+01, -0.15692E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.36892E+01,  0.14908E+01, -0.15692E+01>,< -0.25492E+01,  0.17242E+01, -0.11136E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.25492E+01,  0.17242E+01, -0.11136E+01>,< -0.17052E+01,  0.11004E+01, -0.17914E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.17052E+01,  0.11004E+01, -0.17914E+01>,< -0.16266E+01,  0.25571E+01, -0.21428E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.16266E+01,  0.25571E+01, -0.21428E+01>,< -0.61886E+00,  0.24555E+01, -0.28758E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.61886E+00,  0.24555E+01, -0.28758E+01>,< -0.66500E+00,  0.16550E+01, -0.22780E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.66500E+00,  0.16550E+01, -0.22780E+01>,< -0.26674E+00,  0.82534E+00, -0.18856E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.26674E+00,  0.82534E+00, -0.18856E+01>,<  0.95251E+00,  0.97398E+00, -0.27477E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.95251E+00,  0.97398E+00, -0.27477E+01>,<  0.19406E+01, -0.62728E+00, -0.34250E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.19406E+01, -0.62728E+00, -0.34250E+01>,<  0.66328E+00, -0.21476E+01, -0.31824E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.66328E+00, -0.21476E+01, -0.31824E+01>,<  0.25276E+01, -0.24564E+01, -0.25284E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.25276E+01, -0.24564E+01, -0.25284E+01>,<  0.12322E+01, -0.28741E+01, -0.10637E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.12322E+01, -0.28741E+01, -0.10637E+01>,<  0.23609E+01, -0.36174E+01, -0.17137E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.23609E+01, -0.36174E+01, -0.17137E+01>,<  0.27194E+01, -0.35075E+01, -0.78726E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.27194E+01, -0.35075E+01, -0.78726E+00>,<  0.20249E+01, -0.39933E+01,  0.45029E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.20249E+01, -0.39933E+01,  0.45029E+00>,<  0.16014E+01, -0.46398E+01, -0.11198E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.16014E+01, -0.46398E+01, -0.11198E+01>,<  0.14321E+00, -0.45843E+01, -0.77301E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.14321E+00, -0.45843E+01, -0.77301E+00>,< -0.98579E+00, -0.40817E+01, -0.58714E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.98579E+00, -0.40817E+01, -0.58714E+00>,< -0.21550E+01, -0.43842E+01, -0.90700E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.21550E+01, -0.43842E+01, -0.90700E+00>,< -0.34242E+01, -0.37548E+01,  0.12077E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.34242E+01, -0.37548E+01,  0.12077E+00>,< -0.32527E+01, -0.19977E+01,  0.10599E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.32527E+01, -0.19977E+01,  0.10599E+01>,< -0.35415E+01, -0.28314E+01,  0.25711E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.35415E+01, -0.28314E+01,  0.25711E+01>,< -0.19015E+01, -0.33462E+01,  0.22400E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.19015E+01, -0.33462E+01,  0.22400E+01>,< -0.26179E+00, -0.37597E+01,  0.26894E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.26179E+00, -0.37597E+01,  0.26894E+01>,<  0.58058E+00, -0.31003E+01,  0.33358E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.58058E+00, -0.31003E+01,  0.33358E+01>,<  0.34852E-01, -0.20324E+01,  0.29812E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.34852E-01, -0.20324E+01,  0.29812E+01>,<  0.14022E+01, -0.10291E+01,  0.34138E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.14022E+01, -0.10291E+01,  0.34138E+01>,<  0.21637E+01, -0.35496E-01,  0.25876E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.21637E+01, -0.35496E-01,  0.25876E+01>,<  0.30091E+01, -0.86680E+00,  0.29826E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.30091E+01, -0.86680E+00,  0.29826E+01>,<  0.42169E+01,  0.34805E+00,  0.26241E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.42169E+01,  0.34805E+00,  0.26241E+01>,<  0.42876E+01, -0.81568E+00,  0.99899E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.42876E+01, -0.81568E+00,  0.99899E+00>,<  0.51638E+01,  0.30616E+00, -0.40606E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.51638E+01,  0.30616E+00, -0.40606E+00>,<  0.44004E+01,  0.16679E+01, -0.11963E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.44004E+01,  0.16679E+01, -0.11963E+01>,<  0.41372E+01,  0.47540E+00, -0.14624E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.41372E+01,  0.47540E+00, -0.14624E+01>,<  0.38528E+01,  0.14888E+00, -0.26351E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.38528E+01,  0.14888E+00, -0.26351E+01>,<  0.35367E+01,  0.16159E+01, -0.35358E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.35367E+01,  0.16159E+01, -0.35358E+01>,<  0.19870E+01,  0.23182E+01, -0.31267E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.19870E+01,  0.23182E+01, -0.31267E+01>,<  0.26192E+01,  0.26740E+01, -0.21093E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.26192E+01,  0.26740E+01, -0.21093E+01>,<  0.30251E+01,  0.27278E+01, -0.92817E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.30251E+01,  0.27278E+01, -0.92817E+00>,<  0.25081E+01,  0.38619E+01, -0.10133E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.25081E+01,  0.38619E+01, -0.10133E+01>,<  0.17797E+01,  0.42285E+01, -0.15932E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.14083E+01, -0.28270E+01, -0.13092E+01>,< -0.98579E+00, -0.40817E+01, -0.58714E+00>,  0.20000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.14608E+01, -0.18986E+01,  0.16291E+01>,<  0.14022E+01, -0.10291E+01,  0.34138E+01>,  0.20000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.15587E+01, -0.94307E+00, -0.15379E+01>,<  0.12322E+01, -0.28741E+01, -0.10637E+01>,  0.20000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.18196E+01, -0.83830E+00,  0.17135E+01>,< -0.32527E+01, -0.19977E+01,  0.10599E+01>,  0.20000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.11237E+01,  0.27553E+01, -0.17574E+01>,<  0.19870E+01,  0.23182E+01, -0.31267E+01>,  0.20000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.32433E+01,  0.15648E+01,  0.34975E+00>,<  0.30251E+01,  0.27278E+01, -0.92817E+00>,  0.20000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.16494E+01,  0.57542E+00,  0.40429E+01>,<  0.14022E+01, -0.10291E+01,  0.34138E+01>,  0.20000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
