#include "colors.inc"


camera {
  location <  0.35944E+01,   0.71497E+00,   0.18424E+02>
  look_at <0, 0, 0>
  sky <0, 1, 0>
}


light_source {
  <  0.21086E+01,   0.56500E+00,   0.24566E+02>
  color Gray50
}


light_source {
  <  0.96407E+01,  -0.12692E+01,   0.36290E+02>
  color Gray50
}


sphere {
  < -0.52615E+01, -0.11501E+01,  0.42193E+00>,   0.10000E+01
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.42954E+01,  0.14010E+01,  0.32570E+00>,   0.10000E+01
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.24621E+01,  0.25550E+01, -0.13362E+01>,   0.10000E+01
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.61997E+00,  0.14375E+01, -0.30119E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.36723E+00, -0.11044E+01, -0.31411E+01>,   0.10000E+01
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.28182E+00, -0.31471E+01, -0.13323E+01>,   0.10000E+01
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.28161E+00, -0.31439E+01,  0.13383E+01>,   0.10000E+01
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.36732E+00, -0.10987E+01,  0.31435E+01>,   0.10000E+01
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.61979E+00,  0.14433E+01,  0.30093E+01>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.24622E+01,  0.25576E+01,  0.13310E+01>,   0.10000E+01
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.42950E+01,  0.14004E+01, -0.32791E+00>,   0.10000E+01
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.52619E+01, -0.11506E+01, -0.42029E+00>,   0.10000E+01
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


cylinder { < -0.52615E+01, -0.11501E+01,  0.42193E+00>,< -0.42954E+01,  0.14010E+01,  0.32570E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.42954E+01,  0.14010E+01,  0.32570E+00>,< -0.24621E+01,  0.25550E+01, -0.13362E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.24621E+01,  0.25550E+01, -0.13362E+01>,< -0.61997E+00,  0.14375E+01, -0.30119E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.61997E+00,  0.14375E+01, -0.30119E+01>,<  0.36723E+00, -0.11044E+01, -0.31411E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.36723E+00, -0.11044E+01, -0.31411E+01>,<  0.28182E+00, -0.31471E+01, -0.13323E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.28182E+00, -0.31471E+01, -0.13323E+01>,< -0.28161E+00, -0.31439E+01,  0.13383E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.28161E+00, -0.31439E+01,  0.13383E+01>,< -0.36732E+00, -0.10987E+01,  0.31435E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.36732E+00, -0.10987E+01,  0.31435E+01>,<  0.61979E+00,  0.14433E+01,  0.30093E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.61979E+00,  0.14433E+01,  0.30093E+01>,<  0.24622E+01,  0.25576E+01,  0.13310E+01>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.24622E+01,  0.25576E+01,  0.13310E+01>,<  0.42950E+01,  0.14004E+01, -0.32791E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.42950E+01,  0.14004E+01, -0.32791E+00>,<  0.52619E+01, -0.11506E+01, -0.42029E+00>,  0.30000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
