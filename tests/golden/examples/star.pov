#include "colors.inc"


camera {
  location <  0.46443E+01,   0.92380E+00,   0.23806E+02>
  look_at <0, 0, 0>
  sky <0, 1, 0>
}


light_source {
  <  0.27245E+01,   0.73003E+00,   0.31741E+02>
  color Gray50
}


light_source {
  <  0.12457E+02,  -0.16400E+01,   0.46890E+02>
  color Gray50
}


sphere {
  < -0.28456E+00, -0.14054E+01, -0.49978E+00>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.46130E+00, -0.12190E+01,  0.35517E+00>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.11307E+01, -0.93764E+00,  0.12472E+01>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.17277E+01, -0.57782E+00,  0.21620E+01>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.22583E+01, -0.15182E+00,  0.30897E+01>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.27274E+01,  0.32772E+00,  0.40226E+01>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.31426E+01,  0.85239E+00,  0.49582E+01>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.35114E+01,  0.14141E+01,  0.58923E+01>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.38383E+01,  0.20053E+01,  0.68225E+01>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.17730E+01,  0.78210E+00,  0.26252E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.12877E+01,  0.17158E+01,  0.21620E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.80309E+00,  0.26496E+01,  0.16982E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.10484E+01, -0.98314E+00, -0.12487E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.19305E+01, -0.61545E+00, -0.18886E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.29018E+01, -0.30523E+00, -0.24195E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.39387E+01, -0.49681E-01, -0.28462E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.50216E+01,  0.15563E+00, -0.31777E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.61334E+01,  0.31591E+00, -0.34222E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.72642E+01,  0.43480E+00, -0.35924E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.84069E+01,  0.51893E+00, -0.36953E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.43512E+01,  0.66789E-01, -0.17795E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.47638E+01,  0.18203E+00, -0.71156E+00>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.51764E+01,  0.29751E+00,  0.35498E+00>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.16015E+00, -0.28154E+00, -0.29228E+00>,   0.60000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.13021E+00,  0.86609E+00, -0.21168E+00>,   0.60000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.18474E+00,  0.20134E+01, -0.24598E+00>,   0.60000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.31216E+00,  0.31491E+01, -0.38013E+00>,   0.60000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.50146E+00,  0.42611E+01, -0.60134E+00>,   0.60000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.74414E+00,  0.53462E+01, -0.89471E+00>,   0.60000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.10308E+01,  0.64027E+01, -0.12486E+01>,   0.60000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.13535E+01,  0.74292E+01, -0.16541E+01>,   0.60000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.71944E+00,  0.33742E+01, -0.83703E+00>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.17510E+01,  0.35991E+01, -0.12925E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.27826E+01,  0.38243E+01, -0.17494E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.28802E+00, -0.23998E+01, -0.56828E+00>,   0.60000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.98964E+00, -0.32942E+01, -0.74779E+00>,   0.60000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.18022E+01, -0.40536E+01, -0.10387E+01>,   0.60000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.27012E+01, -0.46544E+01, -0.14300E+01>,   0.60000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.36562E+01, -0.50809E+01, -0.19096E+01>,   0.60000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.46356E+01, -0.53308E+01, -0.24564E+01>,   0.60000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.56161E+01, -0.54101E+01, -0.30538E+01>,   0.60000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.65746E+01, -0.53360E+01, -0.36844E+01>,   0.60000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.34754E+01, -0.43143E+01, -0.65041E+00>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.42490E+01, -0.39741E+01,  0.12846E+00>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.50233E+01, -0.36340E+01,  0.90807E+00>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.72124E+00, -0.95589E+00, -0.82925E+00>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.17018E+01, -0.38729E+00, -0.10221E+01>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.26283E+01,  0.29333E+00, -0.10623E+01>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.34687E+01,  0.10689E+01, -0.94072E+00>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.41949E+01,  0.19154E+01, -0.66096E+00>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.47866E+01,  0.28049E+01, -0.23546E+00>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.52341E+01,  0.37098E+01,  0.31741E+00>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.55362E+01,  0.46049E+01,  0.97223E+00>,   0.60000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.31097E+01,  0.16931E+01, -0.18373E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.27502E+01,  0.23166E+01, -0.27347E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.23905E+01,  0.29397E+01, -0.36308E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.97636E+00, -0.14405E+01,  0.41834E+00>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.17978E+01, -0.15617E+01,  0.12140E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.27172E+01, -0.17608E+01,  0.18760E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.37059E+01, -0.20245E+01,  0.23999E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.47396E+01, -0.23428E+01,  0.27911E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.57972E+01, -0.27052E+01,  0.30589E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.68663E+01, -0.31004E+01,  0.32167E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.79341E+01, -0.35229E+01,  0.32769E+01>,   0.60000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.40654E+01, -0.93264E+00,  0.24028E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.44249E+01,  0.16050E+00,  0.24044E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.47844E+01,  0.12524E+01,  0.24072E+01>,   0.60000E+00
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


cylinder { < -0.28456E+00, -0.14054E+01, -0.49978E+00>,<  0.46130E+00, -0.12190E+01,  0.35517E+00>,  0.35000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.46130E+00, -0.12190E+01,  0.35517E+00>,<  0.11307E+01, -0.93764E+00,  0.12472E+01>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.11307E+01, -0.93764E+00,  0.12472E+01>,<  0.17277E+01, -0.57782E+00,  0.21620E+01>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.17277E+01, -0.57782E+00,  0.21620E+01>,<  0.22583E+01, -0.15182E+00,  0.30897E+01>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.22583E+01, -0.15182E+00,  0.30897E+01>,<  0.27274E+01,  0.32772E+00,  0.40226E+01>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.27274E+01,  0.32772E+00,  0.40226E+01>,<  0.31426E+01,  0.85239E+00,  0.49582E+01>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.31426E+01,  0.85239E+00,  0.49582E+01>,<  0.35114E+01,  0.14141E+01,  0.58923E+01>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.35114E+01,  0.14141E+01,  0.58923E+01>,<  0.38383E+01,  0.20053E+01,  0.68225E+01>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.22583E+01, -0.15182E+00,  0.30897E+01>,<  0.17730E+01,  0.78210E+00,  0.26252E+01>,  0.15000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { <  0.17730E+01,  0.78210E+00,  0.26252E+01>,<  0.12877E+01,  0.17158E+01,  0.21620E+01>,  0.15000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { <  0.12877E+01,  0.17158E+01,  0.21620E+01>,<  0.80309E+00,  0.26496E+01,  0.16982E+01>,  0.15000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.28456E+00, -0.14054E+01, -0.49978E+00>,< -0.10484E+01, -0.98314E+00, -0.12487E+01>,  0.35000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.10484E+01, -0.98314E+00, -0.12487E+01>,< -0.19305E+01, -0.61545E+00, -0.18886E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.19305E+01, -0.61545E+00, -0.18886E+01>,< -0.29018E+01, -0.30523E+00, -0.24195E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.29018E+01, -0.30523E+00, -0.24195E+01>,< -0.39387E+01, -0.49681E-01, -0.28462E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.39387E+01, -0.49681E-01, -0.28462E+01>,< -0.50216E+01,  0.15563E+00, -0.31777E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.50216E+01,  0.15563E+00, -0.31777E+01>,< -0.61334E+01,  0.31591E+00, -0.34222E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.61334E+01,  0.31591E+00, -0.34222E+01>,< -0.72642E+01,  0.43480E+00, -0.35924E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.72642E+01,  0.43480E+00, -0.35924E+01>,< -0.84069E+01,  0.51893E+00, -0.36953E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.39387E+01, -0.49681E-01, -0.28462E+01>,< -0.43512E+01,  0.66789E-01, -0.17795E+01>,  0.15000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.43512E+01,  0.66789E-01, -0.17795E+01>,< -0.47638E+01,  0.18203E+00, -0.71156E+00>,  0.15000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.47638E+01,  0.18203E+00, -0.71156E+00>,< -0.51764E+01,  0.29751E+00,  0.35498E+00>,  0.15000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.28456E+00, -0.14054E+01, -0.49978E+00>,< -0.16015E+00, -0.28154E+00, -0.29228E+00>,  0.35000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.16015E+00, -0.28154E+00, -0.29228E+00>,< -0.13021E+00,  0.86609E+00, -0.21168E+00>,  0.25000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.13021E+00,  0.86609E+00, -0.21168E+00>,< -0.18474E+00,  0.20134E+01, -0.24598E+00>,  0.25000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.18474E+00,  0.20134E+01, -0.24598E+00>,< -0.31216E+00,  0.31491E+01, -0.38013E+00>,  0.25000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.31216E+00,  0.31491E+01, -0.38013E+00>,< -0.50146E+00,  0.42611E+01, -0.60134E+00>,  0.25000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.50146E+00,  0.42611E+01, -0.60134E+00>,< -0.74414E+00,  0.53462E+01, -0.89471E+00>,  0.25000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.74414E+00,  0.53462E+01, -0.89471E+00>,< -0.10308E+01,  0.64027E+01, -0.12486E+01>,  0.25000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.10308E+01,  0.64027E+01, -0.12486E+01>,< -0.13535E+01,  0.74292E+01, -0.16541E+01>,  0.25000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.31216E+00,  0.31491E+01, -0.38013E+00>,<  0.71944E+00,  0.33742E+01, -0.83703E+00>,  0.15000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { <  0.71944E+00,  0.33742E+01, -0.83703E+00>,<  0.17510E+01,  0.35991E+01, -0.12925E+01>,  0.15000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { <  0.17510E+01,  0.35991E+01, -0.12925E+01>,<  0.27826E+01,  0.38243E+01, -0.17494E+01>,  0.15000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.28456E+00, -0.14054E+01, -0.49978E+00>,<  0.28802E+00, -0.23998E+01, -0.56828E+00>,  0.35000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.28802E+00, -0.23998E+01, -0.56828E+00>,<  0.98964E+00, -0.32942E+01, -0.74779E+00>,  0.25000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.98964E+00, -0.32942E+01, -0.74779E+00>,<  0.18022E+01, -0.40536E+01, -0.10387E+01>,  0.25000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.18022E+01, -0.40536E+01, -0.10387E+01>,<  0.27012E+01, -0.46544E+01, -0.14300E+01>,  0.25000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.27012E+01, -0.46544E+01, -0.14300E+01>,<  0.36562E+01, -0.50809E+01, -0.19096E+01>,  0.25000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.36562E+01, -0.50809E+01, -0.19096E+01>,<  0.46356E+01, -0.53308E+01, -0.24564E+01>,  0.25000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.46356E+01, -0.53308E+01, -0.24564E+01>,<  0.56161E+01, -0.54101E+01, -0.30538E+01>,  0.25000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.56161E+01, -0.54101E+01, -0.30538E+01>,<  0.65746E+01, -0.53360E+01, -0.36844E+01>,  0.25000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.27012E+01, -0.46544E+01, -0.14300E+01>,<  0.34754E+01, -0.43143E+01, -0.65041E+00>,  0.15000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.34754E+01, -0.43143E+01, -0.65041E+00>,<  0.42490E+01, -0.39741E+01,  0.12846E+00>,  0.15000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.42490E+01, -0.39741E+01,  0.12846E+00>,<  0.50233E+01, -0.36340E+01,  0.90807E+00>,  0.15000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.28456E+00, -0.14054E+01, -0.49978E+00>,<  0.72124E+00, -0.95589E+00, -0.82925E+00>,  0.35000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.72124E+00, -0.95589E+00, -0.82925E+00>,<  0.17018E+01, -0.38729E+00, -0.10221E+01>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.17018E+01, -0.38729E+00, -0.10221E+01>,<  0.26283E+01,  0.29333E+00, -0.10623E+01>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.26283E+01,  0.29333E+00, -0.10623E+01>,<  0.34687E+01,  0.10689E+01, -0.94072E+00>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.34687E+01,  0.10689E+01, -0.94072E+00>,<  0.41949E+01,  0.19154E+01, -0.66096E+00>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.41949E+01,  0.19154E+01, -0.66096E+00>,<  0.47866E+01,  0.28049E+01, -0.23546E+00>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.47866E+01,  0.28049E+01, -0.23546E+00>,<  0.52341E+01,  0.37098E+01,  0.31741E+00>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.52341E+01,  0.37098E+01,  0.31741E+00>,<  0.55362E+01,  0.46049E+01,  0.97223E+00>,  0.25000E+00pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }
cylinder { <  0.34687E+01,  0.10689E+01, -0.94072E+00>,<  0.31097E+01,  0.16931E+01, -0.18373E+01>,  0.15000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { <  0.31097E+01,  0.16931E+01, -0.18373E+01>,<  0.27502E+01,  0.23166E+01, -0.27347E+01>,  0.15000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { <  0.27502E+01,  0.23166E+01, -0.27347E+01>,<  0.23905E+01,  0.29397E+01, -0.36308E+01>,  0.15000E+00pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }
cylinder { < -0.28456E+00, -0.14054E+01, -0.49978E+00>,< -0.97636E+00, -0.14405E+01,  0.41834E+00>,  0.35000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.97636E+00, -0.14405E+01,  0.41834E+00>,< -0.17978E+01, -0.15617E+01,  0.12140E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.17978E+01, -0.15617E+01,  0.12140E+01>,< -0.27172E+01, -0.17608E+01,  0.18760E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.27172E+01, -0.17608E+01,  0.18760E+01>,< -0.37059E+01, -0.20245E+01,  0.23999E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.37059E+01, -0.20245E+01,  0.23999E+01>,< -0.47396E+01, -0.23428E+01,  0.27911E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.47396E+01, -0.23428E+01,  0.27911E+01>,< -0.57972E+01, -0.27052E+01,  0.30589E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.57972E+01, -0.27052E+01,  0.30589E+01>,< -0.68663E+01, -0.31004E+01,  0.32167E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.68663E+01, -0.31004E+01,  0.32167E+01>,< -0.79341E+01, -0.35229E+01,  0.32769E+01>,  0.25000E+00pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }
cylinder { < -0.37059E+01, -0.20245E+01,  0.23999E+01>,< -0.40654E+01, -0.93264E+00,  0.24028E+01>,  0.15000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.40654E+01, -0.93264E+00,  0.24028E+01>,< -0.44249E+01,  0.16050E+00,  0.24044E+01>,  0.15000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.44249E+01,  0.16050E+00,  0.24044E+01>,< -0.47844E+01,  0.12524E+01,  0.24072E+01>,  0.15000E+00pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
